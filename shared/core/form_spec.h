// What the designer drew: a window's controls with their names, positions in twips, captions,
// colours and kinds. Pure data, read by the forms runtime and by the tests.
#pragma once

#include <stdint.h>

#include <initializer_list>
#include <string>
#include <vector>

enum class Kind : uint8_t {
    Button,   // cmd
    Label,    // lbl
    HScroll,  // hsc
    Combo,    // cbo: a drop-down list
    Option,   // opt
    Check,    // chk
    Picture,  // pic: a box that may hold a bitmap, other controls and drawing
    Image,    // img
    Shape,    // shp: a rectangle drawn by the form
    Line,     // a line drawn by the form, from (left, top) to (left + width, top + height)
    Frame,    // a group box around other controls
    Timer,
};

// Colours are 0x00BBGGRR; kSystemColour keeps the system's own.
constexpr uint32_t kSystemColour = 0xFFFFFFFFu;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kDimmedCaption = 0x808000;  // an unselected choice's caption

struct TwipsRect {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
};

enum ControlFlag : uint32_t {
    Disabled = 1u << 0,
    Hidden = 1u << 1,
    DefaultButton = 1u << 2,  // Enter presses it
    CancelButton = 1u << 3,   // Esc presses it
    Transparent = 1u << 4,    // the label or picture lets its container show through
    Bordered = 1u << 5,       // a single-line border
    Centred = 1u << 6,        // text alignment
    RightAligned = 1u << 7,
    Checked = 1u << 8,   // check box ticked, option selected
    Stretch = 1u << 9,   // an image fills its rectangle
    Filled = 1u << 10,   // a shape is filled with its back colour
    AutoSize = 1u << 11, // a picture takes the size of its bitmap
};

struct ForeColour {
    uint32_t bgr;
};
struct BackColour {
    uint32_t bgr;
};
struct Range {
    int32_t min, max, smallChange, largeChange, value;
};
struct FontSpec {
    const char* name;
    int32_t points;
    bool bold = false;
    bool italic = false;
};
struct Index {
    int32_t value;
};
struct In {
    const char* container;  // a frame or picture whose top-left the position is relative to
};
struct Interval {
    int32_t milliseconds;
};
struct Flags {
    uint32_t bits;
};
struct Items {
    std::initializer_list<const char*> texts;  // a drop-down list's entries
};

struct ControlSpec {
    Kind kind;
    const char* name;
    TwipsRect rect;
    int32_t index = -1;  // -1 when the control is not part of a control array
    const char* caption = "";
    uint32_t foreColour = kSystemColour;
    uint32_t backColour = kSystemColour;
    Range range{0, 32767, 1, 1, 0};
    FontSpec font{nullptr, 0};
    const char* container = nullptr;
    int32_t interval = 0;
    uint32_t flags = 0;
    std::vector<const char*> items;

    // {Kind::Label, "lblSS", {240, 600, 4215, 255}, "Disable Power Down Function", ForeColour{kBlue}}
    template <typename... Options>
    ControlSpec(Kind kind, const char* name, TwipsRect rect, Options... options)
        : kind(kind), name(name), rect(rect) {
        (apply(options), ...);
    }

    bool has(ControlFlag flag) const { return (flags & flag) != 0; }

private:
    void apply(const char* text) { caption = text; }
    void apply(ForeColour colour) { foreColour = colour.bgr; }
    void apply(BackColour colour) { backColour = colour.bgr; }
    void apply(Range r) { range = r; }
    void apply(FontSpec f) { font = f; }
    void apply(Index i) { index = i.value; }
    void apply(In in) { container = in.container; }
    void apply(Interval i) { interval = i.milliseconds; }
    void apply(ControlFlag flag) { flags |= flag; }
    void apply(Flags f) { flags |= f.bits; }
    void apply(Items list) { items.assign(list.texts.begin(), list.texts.end()); }
};

enum class Border : uint8_t {
    FixedDialog,  // a caption and a close box, not resizable
    Fixed,        // a caption with minimise and close boxes, not resizable
    None,         // no caption or border: the full-screen windows
    ToolWindow,   // a small caption
};

// Controls overlap in table order: the first listed is on top, and Tab follows the table.
struct FormSpec {
    const char* name;     // "frmSleepTime"
    const char* caption;  // the design caption; most windows replace it with the program title
    int32_t clientWidth;  // twips
    int32_t clientHeight;
    std::vector<ControlSpec> controls;
    Border border = Border::FixedDialog;
    uint32_t backColour = kSystemColour;
    FontSpec font{"MS Sans Serif", 8};
    bool keyPreview = false;
    bool topmost = false;
    bool controlBox = true;  // the caption's system menu and close box
};
