#pragma once

#include "platform/Types.h"

#include <cstdint>
#include <span>

// A form's stored layout: its design-time properties and its components in creation order, with
// the names of the published handlers that its events are bound to. The platform's form loader
// reads it on every backend; no backend codes a layout of its own.

enum class TComponentKind { Timer, Button, Panel, Label, ScrollBar };
enum class TBevelCut { bvNone, bvLowered, bvRaised };
enum class TControlBorder { bsNone, bsSingle };

struct TFontDescription {
    const char* Name = "Arial";
    bool Bold = false;
    TColor Color = clBlack;
    int32_t Height = 14; // character-cell height in pixels
};

struct TComponentDescription {
    TComponentKind Kind = TComponentKind::Label;
    const char* Name = "";
    const char* Parent = nullptr; // nullptr: the form itself
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    const char* Caption = "";
    int32_t TabOrder = -1;
    TColor Color = clGray;
    bool AutoSize = false;
    // Timer
    bool Enabled = true;
    uint32_t Interval = 1000;
    // Button
    bool Default = false;
    bool Cancel = false;
    // Panel
    TBevelCut BevelOuter = TBevelCut::bvRaised;
    TControlBorder BorderStyle = TControlBorder::bsNone;
    // ScrollBar
    int32_t Min = 0, Max = 100, Position = 0, PageSize = 0;
    // OnTimer, OnClick or OnChange
    const char* OnEvent = nullptr;
};

struct TFormDescription {
    const char* ClassName = "";
    const char* Caption = "";
    TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
    TFormStyle FormStyle = TFormStyle::fsNormal;
    TPosition Position = TPosition::poDesigned;
    TColor Color = clBtnFace;
    int32_t Left = 0, Top = 0, ClientWidth = 0, ClientHeight = 0;
    TFontDescription Font;
    bool OldCreateOrder = true;
    const char* OnCreate = nullptr;
    const char* OnDestroy = nullptr;
    const char* OnKeyDown = nullptr;
    const char* OnMouseDown = nullptr;
    const char* OnMouseMove = nullptr;
    const char* OnPaint = nullptr;
    std::span<const TComponentDescription> Components;
};
