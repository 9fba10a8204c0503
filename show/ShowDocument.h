// A show document: the settings of its [Show] section and its slides, [Slide1] to [SlideN].
// Keys and section names match in any case; values are trimmed, and so are list fields.
// Positions and lengths are written in the show's Unit and kept in line units (1/1440 inch) on
// the page, from its top left corner with y growing downwards. A length is an optional '-',
// digits and optionally '.' with at most three decimals, up to what makes 25000 line units
// (17.361 in, 44.096 cm, 440.964 mm, 1250 pt); other numbers are whole, digits only. Font points
// are measured on the page too, 20 line units a point. Colours are written #RRGGBB and kept as
// 0x00BBGGRR, as a COLORREF holds them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kMaxSlides = 99;
// Of each numbered key of a slide: Text, Picture, Arrow and Ornament.
constexpr int kMaxSlideItems = 32;
// Longer titles and text lines are cut to these lengths.
constexpr std::size_t kMaxTitleLength = 127;
constexpr std::size_t kMaxTextLineLength = 255;
// Longer face and file names are refused: cut, they would name something else.
constexpr std::size_t kMaxFaceLength = 31;
constexpr std::size_t kMaxFileLength = 259;

// Measure unit codes of the library's UnitToLine and LineToUnit.
constexpr unsigned short kUnitPoint = 3;
constexpr unsigned short kUnitInch = 4;
constexpr unsigned short kUnitMillimetre = 7;
constexpr unsigned short kUnitCentimetre = 8;

enum class ShowAdvance { Manual, Timed };

// [Show]
struct ShowSettings {
    std::string title;               // Title
    int width = 800, height = 600;   // Size = WIDTHxHEIGHT in pixels, each 64 to 4096
    unsigned short unit = kUnitInch; // Unit = in | cm | mm | pt: of every position and length
    // Page = WIDTHxHEIGHT in Unit, each side above 0 and at most 25000 line units; by default
    // the Size at 96 pixels an inch (15 line units a pixel), which from 1667 pixels on goes
    // beyond what positions reach.
    int pageWidth = 0, pageHeight = 0;
    ShowAdvance advance = ShowAdvance::Manual; // Advance = manual | timed
    std::string font = "Arial";                // Font = the default face of titles and texts
};

// X, Y, W, H: a box within the page; it may touch the page's edges.
struct ShowBox {
    int x = 0, y = 0, width = 0, height = 0;
};

// FACE, POINTS[, bold][, italic]; points 4 to 400.
struct ShowFont {
    std::string face;
    int points = 0;
    bool bold = false, italic = false;
};

// TitleFont, TitleColor, TitleAt and TextFont, TextColor, TextAt. Titles default to the show's
// Font at 36 points in the top fifth of the page, texts to 24 points in the rest; both to black.
struct ShowTextStyle {
    ShowFont font;
    std::uint32_t color = 0;
    ShowBox at;
};

enum class ShowBackgroundKind { None, Fountain, PlugIn, Shade };

struct ShowBackground {
    ShowBackgroundKind kind = ShowBackgroundKind::None; // Background = fountain|plugin|shade|none
    // Colors = #RRGGBB, #RRGGBB: the fountain's ends, the plug-in's or the shade's two colours.
    std::uint32_t first = 0xFFFFFF, second = 0x000000;
    bool vertical = false; // Direction = horizontal | vertical (fountain)
    int midpoint = 64;     // Midpoint = 0 to 128 (fountain)
    int plugIn = 0;        // PlugIn = 0 to 199, the plug-in's registry key (plugin: required)
    int parameter = 0;     // Parameter = 0 to 65535 (plugin)
    int shade = 0;         // Shade = 1 to 40 (shade: required)
};

enum class ShowBorderKind { None, Tiles, Line };

// Border = tiles | line | none; with a border, BorderStyle and BorderWidth are required.
struct ShowBorder {
    ShowBorderKind kind = ShowBorderKind::None;
    int style = 0; // BorderStyle = 0 to 101
    int width = 0; // BorderWidth = the tile size or the line width, at most half the page's
                   // smaller side
};

// PictureN = FILE, X, Y, W, H: a BMP file drawn in the box. The file name is everything before
// the last four commas.
struct ShowPicture {
    std::string file;
    ShowBox at;
};

// ArrowN = X1, Y1, X2, Y2, STYLE, WIDTH: a fancy line of style 0 to 101 between two points of
// the page, WIDTH wide (above 0, at most the page's smaller side).
struct ShowArrow {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int style = 0;
    int width = 0;
};

// OrnamentN = STYLE, X, Y, W, H: the sample of fancy character STYLE (0 to 101) in the box.
struct ShowOrnament {
    int style = 0;
    ShowBox at;
};

enum class ShowTransition { None, Shimmer, Sparkle };

// [SlideN], numbered from 1 without gaps. Numbered keys (Text1, Picture1, ...) are numbered from
// 1 without gaps too, at most kMaxSlideItems of each.
struct ShowSlide {
    ShowBackground background;
    ShowBorder border;
    std::string title; // Title
    ShowTextStyle titleStyle;
    std::vector<std::string> texts; // Text1, Text2, ...: one line each
    ShowTextStyle textStyle;
    std::vector<ShowPicture> pictures;
    std::vector<ShowArrow> arrows;
    std::vector<ShowOrnament> ornaments;
    std::string video;     // Video = a file played in a stage window with its control bar
    std::string sound;     // Sound = a file played in a stage window
    std::string narration; // Narration = a wave file played by the wave-out player
    ShowTransition transition = ShowTransition::None; // Transition = shimmer|sparkle|none
    int duration = 5; // Duration = 1 to 3600 seconds on the slide, when the show's advance is timed
};

struct ShowDocument {
    ShowSettings show;
    std::vector<ShowSlide> slides;
};
