#pragma once
// What package compilation must write and run for each host, written out here in full and not
// taken from the host table, so that a wrong cell or a wrong batch line cannot pass unseen.
#include <string>
#include <vector>

namespace test {

struct HostCompileTexts {
    const char* hostName;
    const char* rtmSource;
    const char* dtmSource;
    const char* rtmBinary;
    const char* dtmBinary;
    // Batch lines 8 to 11; "R" right after the opening quote stands for the IDE's root folder.
    const char* toolLines[4];
    // What the fake tools record, in the batch's order: tool and arguments.
    std::vector<std::string> toolRuns;
};

inline const HostCompileTexts CompileTexts[6] = {
    {"Delphi 4", "kv40d4.dpk", "dclkv40d4.dpk", "kv40d4.bpl", "dclkv40d4.bpl",
     {"rem no precompile for Delphi4", "rem no precompile for Delphi4", "\"R\\Bin\\dcc32.exe\" kv40d4.dpk",
      "\"R\\Bin\\dcc32.exe\" dclkv40d4.dpk"},
     {"dcc32 kv40d4.dpk", "dcc32 dclkv40d4.dpk"}},
    {"Delphi 5", "kv40d5.dpk", "dclkv40d5.dpk", "kv40d5.bpl", "dclkv40d5.bpl",
     {"rem no precompile for Delphi5", "rem no precompile for Delphi5", "\"R\\Bin\\dcc32.exe\" kv40d5.dpk",
      "\"R\\Bin\\dcc32.exe\" dclkv40d5.dpk"},
     {"dcc32 kv40d5.dpk", "dcc32 dclkv40d5.dpk"}},
    {"Delphi 6", "kv40d6.dpk", "dclkv40d6.dpk", "kv40d6.bpl", "dclkv40d6.bpl",
     {"rem no precompile for Delphi6", "rem no precompile for Delphi6", "\"R\\Bin\\dcc32.exe\" kv40d6.dpk",
      "\"R\\Bin\\dcc32.exe\" dclkv40d6.dpk"},
     {"dcc32 kv40d6.dpk", "dcc32 dclkv40d6.dpk"}},
    {"C++ Builder 4", "kv40c4.bpk", "dclkv40c4.bpk", "kv40c4.bpl", "dclkv40c4.bpl",
     {"rem no precompile for C++Builder4", "rem no precompile for C++Builder4", "\"R\\Bin\\make.exe\" -B -fkv40c4.bpk",
      "\"R\\Bin\\make.exe\" -B -fdclkv40c4.bpk"},
     {"make -B -fkv40c4.bpk", "make -B -fdclkv40c4.bpk"}},
    {"C++ Builder 5", "kv40c5.bpk", "dclkv40c5.bpk", "kv40c5.bpl", "dclkv40c5.bpl",
     {"\"R\\Bin\\bpr2mak.exe\" kv40c5.bpk", "\"R\\Bin\\bpr2mak.exe\" dclkv40c5.bpk",
      "\"R\\Bin\\make.exe\" -B -fkv40c5.mak", "\"R\\Bin\\make.exe\" -B -fdclkv40c5.mak"},
     {"bpr2mak kv40c5.bpk", "bpr2mak dclkv40c5.bpk", "make -B -fkv40c5.mak", "make -B -fdclkv40c5.mak"}},
    {"C++ Builder 6", "kv40c6.bpk", "dclkv40c6.bpk", "kv40c6.bpl", "dclkv40c6.bpl",
     {"\"R\\Bin\\bpr2mak.exe\" kv40c6.bpk", "\"R\\Bin\\bpr2mak.exe\" dclkv40c6.bpk",
      "\"R\\Bin\\make.exe\" -B -fkv40c6.mak", "\"R\\Bin\\make.exe\" -B -fdclkv40c6.mak"},
     {"bpr2mak kv40c6.bpk", "bpr2mak dclkv40c6.bpk", "make -B -fkv40c6.mak", "make -B -fdclkv40c6.mak"}},
};

// The fourteen lines of rebuild.bat for the host with these folders.
inline std::vector<std::string> ExpectedRebuildBatch(int host, const std::string& installPath, const std::string& root,
                                                     const std::string& systemFolder) {
    const HostCompileTexts& t = CompileTexts[host];
    auto tool = [&](std::string line) {
        if (line.rfind("\"R\\", 0) == 0) line.replace(1, 1, root);
        return line;
    };
    const std::string rtm = t.rtmBinary, dtm = t.dtmBinary;
    return {"@echo off",
            "cls",
            "echo This batch file will rebuild \"" + rtm + "\" package",
            std::string("echo Please make sure that ") + t.hostName + " IDE is closed",
            "CD \"" + installPath + "\\Lib\"",
            "del \"" + systemFolder + "\\" + rtm + "\"",
            "del \"" + systemFolder + "\\" + dtm + "\"",
            tool(t.toolLines[0]),
            tool(t.toolLines[1]),
            tool(t.toolLines[2]),
            tool(t.toolLines[3]),
            "copy " + rtm + " \"" + systemFolder + "\"",
            "del \"" + rtm + "\"",
            "CD .."};
}

// The thirteen lines of the instructions for compiling by hand.
inline std::vector<std::string> ExpectedInstructions(int host, const std::string& systemFolder) {
    const HostCompileTexts& t = CompileTexts[host];
    const std::string rtm = t.rtmSource, dtm = t.dtmSource;
    return {"Could not automatically compile \"" + rtm + "\" and ",
            "\"" + dtm + "\" files. Please try to manually compile them.",
            "In order to do this do the following:",
            "",
            "1. Open \"" + rtm + "\" in " + t.hostName + " IDE.",
            "2. Choose Project|Options... menu.",
            "3. Choose Project|Compile \"" + rtm + "\" menu",
            "4. Open \"" + dtm + "\".",
            std::string("5. Place \"") + t.rtmBinary + "\" to \"" + systemFolder + "\" Windows system folder.",
            "6. Click on \"Install\" button. The components will be located in ",
            "   \"Korvane\" and \"Korvane+\" tabs.",
            "",
            "If this does not help, please contact Maltrow Software technical support at support@maltrow-software.example."};
}

// Lines as a text file holds them, each ended by CR LF.
inline std::string CrLfText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace test
