#pragma once
// What the toolkit's classes share: events, colours, and the enumerations that form descriptions
// name by identifier (alTop, taCenter, bsDialog, ...), each with its table of names.
#include <cstdint>
#include <functional>

#include "rtl/Component.h"

namespace forms {

// A window or control handle of the platform, opaque outside the toolkit's own sources.
using WindowHandle = void*;

using TNotifyEvent = std::function<void(rtl::TComponent& sender)>;
using TCloseQueryEvent = std::function<void(rtl::TComponent& sender, bool& canClose)>;

// Colours: an RGB value (red in the low byte), or a system colour index with the high byte set.
using TColor = int32_t;
inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clRed = 0x0000FF;
extern const rtl::IdentTable ColorIdents;
extern const rtl::IdentTable CharsetIdents;

enum TAlign : int32_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment : int32_t { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout : int32_t { tlTop, tlCenter, tlBottom };
enum TFormBorderStyle : int32_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : int32_t { biSystemMenu, biMinimize, biMaximize, biHelp };
enum TPosition : int32_t { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
enum TWindowState : int32_t { wsNormal, wsMinimized, wsMaximized };
enum TScrollStyle : int32_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBevelCut : int32_t { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelShape : int32_t { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle : int32_t { bsLowered, bsRaised };
enum TCheckBoxState : int32_t { cbUnchecked, cbChecked, cbGrayed };
enum TFontStyle : int32_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

extern const rtl::IdentTable AlignIdents;
extern const rtl::IdentTable AlignmentIdents;
extern const rtl::IdentTable TextLayoutIdents;
extern const rtl::IdentTable FormBorderStyleIdents;
extern const rtl::IdentTable BorderIconIdents;
extern const rtl::IdentTable PositionIdents;
extern const rtl::IdentTable WindowStateIdents;
extern const rtl::IdentTable ScrollStyleIdents;
extern const rtl::IdentTable BevelCutIdents;
extern const rtl::IdentTable BevelShapeIdents;
extern const rtl::IdentTable BevelStyleIdents;
extern const rtl::IdentTable CheckBoxStateIdents;
extern const rtl::IdentTable FontStyleIdents;

// Modal results: what a button gives the form that it closes.
using TModalResult = int32_t;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;

}  // namespace forms
