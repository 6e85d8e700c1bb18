#include "hosts/HostTable.h"

namespace hosts {

const HostInfo HostTable[HostCount] = {
    {"Delphi 4", "$(DELPHI)", "kv40d4.dpk", "dclkv40d4.dpk", "kv40d4.bpl", "dclkv40d4.bpl", "Delphi\\4.0",
     "rem no precompile for Delphi4", "rem no precompile for Delphi4",
     "\"%s\\Bin\\dcc32.exe\" kv40d4.dpk", "\"%s\\Bin\\dcc32.exe\" dclkv40d4.dpk",
     "\\Bin\\dcc32.exe", "delphi4.cnt", "kvd4", "d4", "vcl4"},
    {"Delphi 5", "$(DELPHI)", "kv40d5.dpk", "dclkv40d5.dpk", "kv40d5.bpl", "dclkv40d5.bpl", "Delphi\\5.0",
     "rem no precompile for Delphi5", "rem no precompile for Delphi5",
     "\"%s\\Bin\\dcc32.exe\" kv40d5.dpk", "\"%s\\Bin\\dcc32.exe\" dclkv40d5.dpk",
     "\\Bin\\dcc32.exe", "delphi5.cnt", "kvd5", "d5", "vcl5"},
    {"Delphi 6", "$(DELPHI)", "kv40d6.dpk", "dclkv40d6.dpk", "kv40d6.bpl", "dclkv40d6.bpl", "Delphi\\6.0",
     "rem no precompile for Delphi6", "rem no precompile for Delphi6",
     "\"%s\\Bin\\dcc32.exe\" kv40d6.dpk", "\"%s\\Bin\\dcc32.exe\" dclkv40d6.dpk",
     "\\Bin\\dcc32.exe", "delphi6.cnt", "kvd6", "d6", "vcl6"},
    {"C++ Builder 4", "$(BCB)", "kv40c4.bpk", "dclkv40c4.bpk", "kv40c4.bpl", "dclkv40c4.bpl", "C++Builder\\4.0",
     "rem no precompile for C++Builder4", "rem no precompile for C++Builder4",
     "\"%s\\Bin\\make.exe\" -B -fkv40c4.bpk", "\"%s\\Bin\\make.exe\" -B -fdclkv40c4.bpk",
     "\\Bin\\make.exe", "bcb4.cnt", "kvc4", "c4", "vcl4"},
    {"C++ Builder 5", "$(BCB)", "kv40c5.bpk", "dclkv40c5.bpk", "kv40c5.bpl", "dclkv40c5.bpl", "C++Builder\\5.0",
     "\"%s\\Bin\\bpr2mak.exe\" kv40c5.bpk", "\"%s\\Bin\\bpr2mak.exe\" dclkv40c5.bpk",
     "\"%s\\Bin\\make.exe\" -B -fkv40c5.mak", "\"%s\\Bin\\make.exe\" -B -fdclkv40c5.mak",
     "\\Bin\\make.exe", "bcb5.cnt", "kvc5", "c5", "vcl5"},
    {"C++ Builder 6", "$(BCB)", "kv40c6.bpk", "dclkv40c6.bpk", "kv40c6.bpl", "dclkv40c6.bpl", "C++Builder\\6.0",
     "\"%s\\Bin\\bpr2mak.exe\" kv40c6.bpk", "\"%s\\Bin\\bpr2mak.exe\" dclkv40c6.bpk",
     "\"%s\\Bin\\make.exe\" -B -fkv40c6.mak", "\"%s\\Bin\\make.exe\" -B -fdclkv40c6.mak",
     "\\Bin\\make.exe", "bcb6.cnt", "kvc6", "c6", "vcl6"},
};

}  // namespace hosts
