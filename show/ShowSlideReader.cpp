// The keys of a slide: background, border, title and texts, numbered items, media and timing.
#include "show/ShowSlideReader.h"

#include "show/ShowKeys.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr int kHighestPlugIn = 199, kHighestParameter = 65535;
constexpr int kLowestShade = 1, kHighestShade = 40;
constexpr int kHighestFancyStyle = 101;
constexpr int kLowestPoints = 4, kHighestPoints = 400;
constexpr int kTitlePoints = 36, kTextPoints = 24;
constexpr int kLowestDuration = 1, kHighestDuration = 3600;

struct SlideScope {
    ShowSlide& slide;
    const ShowSettings& show;
    UnitReader units;

    int SmallerSide() const { return std::min(show.pageWidth, show.pageHeight); }
};

std::string FileForm() {
    return "a file name of 1 to " + std::to_string(kMaxFileLength) + " characters";
}

Refusal File(std::string_view value, std::string& out) {
    return Fits(ReadName(value, kMaxFileLength, out), FileForm());
}

Refusal Color(std::string_view value, std::uint32_t& out) {
    return Fits(ReadColor(value, out), kColorForm);
}

Refusal Colors(std::string_view value, ShowBackground& background) {
    const std::vector<std::string_view> fields = SplitFields(value);
    std::uint32_t first = 0, second = 0;
    const bool fits =
        fields.size() == 2 && ReadColor(fields[0], first) && ReadColor(fields[1], second);
    if (fits) {
        background.first = first;
        background.second = second;
    }
    return Fits(fits, "two colours #RRGGBB, #RRGGBB");
}

bool ReadFont(std::string_view value, ShowFont& font) {
    const std::vector<std::string_view> fields = SplitFields(value);
    ShowFont read;
    if (fields.size() < 2 || fields.size() > 4 || !ReadName(fields[0], kMaxFaceLength, read.face) ||
        !ReadWhole(fields[1], kLowestPoints, kHighestPoints, read.points))
        return false;
    for (std::size_t i = 2; i < fields.size(); ++i) {
        const bool bold = SameProfileName(fields[i], "bold");
        if (!bold && !SameProfileName(fields[i], "italic"))
            return false;
        bool& flag = bold ? read.bold : read.italic;
        if (flag)
            return false;
        flag = true;
    }
    font = read;
    return true;
}

Refusal Font(std::string_view value, ShowFont& font) {
    return Fits(ReadFont(value, font), "FACE, POINTS[, bold][, italic] with a face name of 1 to " +
                                           std::to_string(kMaxFaceLength) + " characters and " +
                                           std::to_string(kLowestPoints) + " to " +
                                           std::to_string(kHighestPoints) + " points");
}

Refusal At(const SlideScope& scope, std::string_view value, ShowBox& box) {
    const std::vector<std::string_view> fields = SplitFields(value);
    return Fits(fields.size() == 4 && scope.units.ReadBox(fields.data(), box),
                "X, Y, W, H " + scope.units.WithinPage());
}

std::string BorderWidthForm(const SlideScope& scope) {
    return scope.units.SizeForm(scope.SmallerSide() / 2);
}

const KeyRule<SlideScope> kSlideRules[] = {
    {"Background",
     [](SlideScope& scope, std::string_view value) {
         static const char* const names[] = {"fountain", "plugin", "shade", "none"};
         static const ShowBackgroundKind kinds[] = {
             ShowBackgroundKind::Fountain, ShowBackgroundKind::PlugIn, ShowBackgroundKind::Shade,
             ShowBackgroundKind::None};
         return ReadChoice(value, names, kinds, scope.slide.background.kind);
     }},
    {"Colors", [](SlideScope& scope,
                  std::string_view value) { return Colors(value, scope.slide.background); }},
    {"Direction",
     [](SlideScope& scope, std::string_view value) {
         static const char* const names[] = {"horizontal", "vertical"};
         static const bool vertical[] = {false, true};
         return ReadChoice(value, names, vertical, scope.slide.background.vertical);
     }},
    {"Midpoint",
     [](SlideScope& scope, std::string_view value) {
         return Whole(value, 0, 128, scope.slide.background.midpoint);
     }},
    {"PlugIn",
     [](SlideScope& scope, std::string_view value) {
         return Whole(value, 0, kHighestPlugIn, scope.slide.background.plugIn);
     }},
    {"Parameter",
     [](SlideScope& scope, std::string_view value) {
         return Whole(value, 0, kHighestParameter, scope.slide.background.parameter);
     }},
    {"Shade",
     [](SlideScope& scope, std::string_view value) {
         return Whole(value, kLowestShade, kHighestShade, scope.slide.background.shade);
     }},
    {"Border",
     [](SlideScope& scope, std::string_view value) {
         static const char* const names[] = {"tiles", "line", "none"};
         static const ShowBorderKind kinds[] = {ShowBorderKind::Tiles, ShowBorderKind::Line,
                                                ShowBorderKind::None};
         return ReadChoice(value, names, kinds, scope.slide.border.kind);
     }},
    {"BorderStyle",
     [](SlideScope& scope, std::string_view value) {
         return Whole(value, 0, kHighestFancyStyle, scope.slide.border.style);
     }},
    {"BorderWidth",
     [](SlideScope& scope, std::string_view value) {
         return Fits(scope.units.ReadSize(value, scope.SmallerSide() / 2, scope.slide.border.width),
                     BorderWidthForm(scope));
     }},
    {"Title",
     [](SlideScope& scope, std::string_view value) {
         ReadText(value, kMaxTitleLength, scope.slide.title);
         return Refusal();
     }},
    {"TitleFont", [](SlideScope& scope,
                     std::string_view value) { return Font(value, scope.slide.titleStyle.font); }},
    {"TitleColor",
     [](SlideScope& scope, std::string_view value) {
         return Color(value, scope.slide.titleStyle.color);
     }},
    {"TitleAt", [](SlideScope& scope,
                   std::string_view value) { return At(scope, value, scope.slide.titleStyle.at); }},
    {"TextFont", [](SlideScope& scope,
                    std::string_view value) { return Font(value, scope.slide.textStyle.font); }},
    {"TextColor", [](SlideScope& scope,
                     std::string_view value) { return Color(value, scope.slide.textStyle.color); }},
    {"TextAt", [](SlideScope& scope,
                  std::string_view value) { return At(scope, value, scope.slide.textStyle.at); }},
    {"Video",
     [](SlideScope& scope, std::string_view value) { return File(value, scope.slide.video); }},
    {"Sound",
     [](SlideScope& scope, std::string_view value) { return File(value, scope.slide.sound); }},
    {"Narration",
     [](SlideScope& scope, std::string_view value) { return File(value, scope.slide.narration); }},
    {"Transition",
     [](SlideScope& scope, std::string_view value) {
         static const char* const names[] = {"shimmer", "sparkle", "none"};
         static const ShowTransition transitions[] = {
             ShowTransition::Shimmer, ShowTransition::Sparkle, ShowTransition::None};
         return ReadChoice(value, names, transitions, scope.slide.transition);
     }},
    {"Duration",
     [](SlideScope& scope, std::string_view value) {
         return Whole(value, kLowestDuration, kHighestDuration, scope.slide.duration);
     }},
};

// The place of the count-th comma from the end, or npos.
std::size_t CommaFromEnd(std::string_view value, int count) {
    std::size_t at = value.size();
    while (count-- > 0)
        if (at == 0 || (at = value.rfind(',', at - 1)) == std::string_view::npos)
            return std::string_view::npos;
    return at;
}

Refusal Picture(SlideScope& scope, std::string_view value) {
    // The file is all before the last four commas, so that its name may hold commas.
    const std::size_t boxStart = CommaFromEnd(value, 4);
    ShowPicture picture;
    const bool fits =
        boxStart != std::string_view::npos &&
        ReadName(TrimProfileText(value.substr(0, boxStart)), kMaxFileLength, picture.file) &&
        scope.units.ReadBox(SplitFields(value.substr(boxStart + 1)).data(), picture.at);
    if (fits)
        scope.slide.pictures.push_back(picture);
    return Fits(fits,
                "FILE, X, Y, W, H: " + FileForm() + ", then a box " + scope.units.WithinPage());
}

Refusal Arrow(SlideScope& scope, std::string_view value) {
    const std::vector<std::string_view> fields = SplitFields(value);
    ShowArrow arrow;
    const bool fits = fields.size() == 6 && scope.units.ReadPoint(&fields[0], arrow.x1, arrow.y1) &&
                      scope.units.ReadPoint(&fields[2], arrow.x2, arrow.y2) &&
                      ReadWhole(fields[4], 0, kHighestFancyStyle, arrow.style) &&
                      scope.units.ReadSize(fields[5], scope.SmallerSide(), arrow.width);
    if (fits)
        scope.slide.arrows.push_back(arrow);
    return Fits(fits, "X1, Y1, X2, Y2, STYLE, WIDTH: two points " + scope.units.WithinPage() +
                          ", a style from 0 to " + std::to_string(kHighestFancyStyle) +
                          " and a width above 0 and at most " +
                          scope.units.Shown(scope.SmallerSide()));
}

Refusal Ornament(SlideScope& scope, std::string_view value) {
    const std::vector<std::string_view> fields = SplitFields(value);
    ShowOrnament ornament;
    const bool fits = fields.size() == 5 &&
                      ReadWhole(fields[0], 0, kHighestFancyStyle, ornament.style) &&
                      scope.units.ReadBox(&fields[1], ornament.at);
    if (fits)
        scope.slide.ornaments.push_back(ornament);
    return Fits(fits, "STYLE, X, Y, W, H: a style from 0 to " + std::to_string(kHighestFancyStyle) +
                          ", then a box " + scope.units.WithinPage());
}

const KeyRule<SlideScope> kItemRules[] = {
    {"Text",
     [](SlideScope& scope, std::string_view value) {
         ReadText(value, kMaxTextLineLength, scope.slide.texts.emplace_back());
         return Refusal();
     }},
    {"Picture", Picture},
    {"Arrow", Arrow},
    {"Ornament", Ornament},
};

// The values of the numbered keys by rule and number, index 0 unused.
using ItemValues =
    std::array<std::array<const std::string*, kMaxSlideItems + 1>, std::size(kItemRules)>;

// Sorts the keys the rules do not name into numbered items and unknown keys.
bool SortKeys(const ProfileSection& section, ItemValues& items, ShowReading& reading) {
    for (const ProfileEntry& entry : section.Entries()) {
        if (IsRuleKey(kSlideRules, entry.key))
            continue;
        std::size_t rule = 0;
        std::optional<int> number;
        while (rule < std::size(kItemRules) &&
               !(number = NumberOfName(entry.key, kItemRules[rule].key, kMaxSlideItems)))
            ++rule;
        if (!number) {
            reading.warnings.push_back({section.Name(), entry.key});
            continue;
        }
        const std::string prefix = kItemRules[rule].key;
        if (*number == 0)
            return Refuse(reading, {section.Name(), entry.key,
                                    prefix + "1 to " + prefix + std::to_string(kMaxSlideItems) +
                                        " (numbered from 1 without leading zeros)",
                                    entry.value});
        items[rule][*number] = &entry.value;
    }
    return true;
}

bool ReadItems(const ProfileSection& section, const ItemValues& items, SlideScope& scope,
               ShowReading& reading) {
    for (std::size_t rule = 0; rule < std::size(kItemRules); ++rule) {
        const std::string prefix = kItemRules[rule].key;
        int highest = kMaxSlideItems;
        while (highest > 0 && !items[rule][highest])
            --highest;
        for (int number = 1; number <= highest; ++number) {
            const std::string key = prefix + std::to_string(number);
            const std::string* value = items[rule][number];
            if (!value)
                return Refuse(reading, {section.Name(),
                                        key,
                                        key + " (numbered keys go from " + prefix + "1 to " +
                                            prefix + std::to_string(highest) + " without gaps)",
                                        {}});
            if (Refusal form = kItemRules[rule].read(scope, *value))
                return Refuse(reading, {section.Name(), key, std::move(*form), *value});
        }
    }
    return true;
}

// The keys a background or a border cannot do without.
bool CheckRequiredKeys(const ProfileSection& section, const SlideScope& scope,
                       ShowReading& reading) {
    const ShowBackgroundKind background = scope.slide.background.kind;
    const bool border = scope.slide.border.kind != ShowBorderKind::None;
    const struct {
        bool needed;
        const char* key;
        std::string form;
    } required[] = {
        {background == ShowBackgroundKind::PlugIn, "PlugIn", WholeForm(0, kHighestPlugIn)},
        {background == ShowBackgroundKind::Shade, "Shade", WholeForm(kLowestShade, kHighestShade)},
        {border, "BorderStyle", WholeForm(0, kHighestFancyStyle)},
        {border, "BorderWidth", BorderWidthForm(scope)},
    };
    for (const auto& key : required)
        if (key.needed && !section.Find(key.key))
            return Refuse(reading, {section.Name(), key.key, key.form, {}});
    return true;
}

} // namespace

bool ReadSlide(const ProfileSection& section, const ShowSettings& show, ShowSlide& slide,
               ShowReading& reading) {
    const int titleHeight = show.pageHeight / 5;
    slide.titleStyle = {{show.font, kTitlePoints}, 0, {0, 0, show.pageWidth, titleHeight}};
    slide.textStyle = {{show.font, kTextPoints},
                       0,
                       {0, titleHeight, show.pageWidth, show.pageHeight - titleHeight}};
    SlideScope scope{slide, show, UnitReader(show)};
    ItemValues items{};
    return SortKeys(section, items, reading) && ReadKeys(section, kSlideRules, scope, reading) &&
           CheckRequiredKeys(section, scope, reading) && ReadItems(section, items, scope, reading);
}
