#include "forms/Types.h"

#include <iterator>

namespace forms {
namespace {

#define KV_IDENT(name) {#name, name}

const rtl::IdentValue kColors[] = {
    KV_IDENT(clWindowText), KV_IDENT(clWindow), KV_IDENT(clBtnFace),
    KV_IDENT(clBlack),      KV_IDENT(clMaroon), KV_IDENT(clRed),
};
const rtl::IdentValue kCharsets[] = {{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}};
const rtl::IdentValue kAlign[] = {KV_IDENT(alNone), KV_IDENT(alTop),   KV_IDENT(alBottom),
                                  KV_IDENT(alLeft), KV_IDENT(alRight), KV_IDENT(alClient)};
const rtl::IdentValue kAlignment[] = {KV_IDENT(taLeftJustify), KV_IDENT(taRightJustify), KV_IDENT(taCenter)};
const rtl::IdentValue kTextLayout[] = {KV_IDENT(tlTop), KV_IDENT(tlCenter), KV_IDENT(tlBottom)};
const rtl::IdentValue kBorderStyle[] = {KV_IDENT(bsNone),   KV_IDENT(bsSingle),     KV_IDENT(bsSizeable),
                                        KV_IDENT(bsDialog), KV_IDENT(bsToolWindow), KV_IDENT(bsSizeToolWin)};
const rtl::IdentValue kBorderIcons[] = {KV_IDENT(biSystemMenu), KV_IDENT(biMinimize), KV_IDENT(biMaximize),
                                        KV_IDENT(biHelp)};
const rtl::IdentValue kPosition[] = {KV_IDENT(poDesigned), KV_IDENT(poDefault), KV_IDENT(poDefaultPosOnly),
                                     KV_IDENT(poDefaultSizeOnly), KV_IDENT(poScreenCenter)};
const rtl::IdentValue kWindowState[] = {KV_IDENT(wsNormal), KV_IDENT(wsMinimized), KV_IDENT(wsMaximized)};
const rtl::IdentValue kScrollStyle[] = {KV_IDENT(ssNone), KV_IDENT(ssHorizontal), KV_IDENT(ssVertical),
                                        KV_IDENT(ssBoth)};
const rtl::IdentValue kBevelCut[] = {KV_IDENT(bvNone), KV_IDENT(bvLowered), KV_IDENT(bvRaised), KV_IDENT(bvSpace)};
const rtl::IdentValue kBevelShape[] = {KV_IDENT(bsBox),        KV_IDENT(bsFrame),    KV_IDENT(bsTopLine),
                                       KV_IDENT(bsBottomLine), KV_IDENT(bsLeftLine), KV_IDENT(bsRightLine),
                                       KV_IDENT(bsSpacer)};
const rtl::IdentValue kBevelStyle[] = {KV_IDENT(bsLowered), KV_IDENT(bsRaised)};
const rtl::IdentValue kCheckBoxState[] = {KV_IDENT(cbUnchecked), KV_IDENT(cbChecked), KV_IDENT(cbGrayed)};
const rtl::IdentValue kFontStyle[] = {KV_IDENT(fsBold), KV_IDENT(fsItalic), KV_IDENT(fsUnderline),
                                      KV_IDENT(fsStrikeOut)};

#undef KV_IDENT

template <size_t N>
constexpr rtl::IdentTable Table(const rtl::IdentValue (&values)[N]) { return {values, N}; }

}  // namespace

const rtl::IdentTable ColorIdents = Table(kColors);
const rtl::IdentTable CharsetIdents = Table(kCharsets);
const rtl::IdentTable AlignIdents = Table(kAlign);
const rtl::IdentTable AlignmentIdents = Table(kAlignment);
const rtl::IdentTable TextLayoutIdents = Table(kTextLayout);
const rtl::IdentTable FormBorderStyleIdents = Table(kBorderStyle);
const rtl::IdentTable BorderIconIdents = Table(kBorderIcons);
const rtl::IdentTable PositionIdents = Table(kPosition);
const rtl::IdentTable WindowStateIdents = Table(kWindowState);
const rtl::IdentTable ScrollStyleIdents = Table(kScrollStyle);
const rtl::IdentTable BevelCutIdents = Table(kBevelCut);
const rtl::IdentTable BevelShapeIdents = Table(kBevelShape);
const rtl::IdentTable BevelStyleIdents = Table(kBevelStyle);
const rtl::IdentTable CheckBoxStateIdents = Table(kCheckBoxState);
const rtl::IdentTable FontStyleIdents = Table(kFontStyle);

}  // namespace forms
