// Show documents of any bytes: read as INI text, then as a show. The sanitizer reports any read
// or write out of bounds; the checks hold what the player relies on: a document within its
// limits with every box on the page, or an error line that stays one line. The keys are seldom
// found by chance: fuzz with -dict=tests/fuzz/show_document.dict.
#include "FuzzInput.h"
#include "show/ShowReader.h"

#include <string_view>

namespace {

bool OnPage(int x, int y, const ShowSettings& show) {
    return x >= 0 && y >= 0 && x <= show.pageWidth && y <= show.pageHeight;
}

bool OnPage(const ShowBox& box, const ShowSettings& show) {
    return box.width >= 0 && box.height >= 0 && OnPage(box.x, box.y, show) &&
           OnPage(box.x + box.width, box.y + box.height, show);
}

void CheckDocument(const ShowDocument& document) {
    const ShowSettings& show = document.show;
    FUZZ_CHECK(!document.slides.empty() && document.slides.size() <= kMaxSlides);
    FUZZ_CHECK(show.title.size() <= kMaxTitleLength && show.pageWidth > 0 && show.pageHeight > 0);
    for (const ShowSlide& slide : document.slides) {
        FUZZ_CHECK(
            slide.texts.size() <= kMaxSlideItems && slide.pictures.size() <= kMaxSlideItems &&
            slide.arrows.size() <= kMaxSlideItems && slide.ornaments.size() <= kMaxSlideItems);
        FUZZ_CHECK(OnPage(slide.titleStyle.at, show) && OnPage(slide.textStyle.at, show));
        for (const std::string& text : slide.texts)
            FUZZ_CHECK(text.size() <= kMaxTextLineLength);
        for (const ShowPicture& picture : slide.pictures)
            FUZZ_CHECK(OnPage(picture.at, show) && picture.at.width > 0 && picture.at.height > 0);
        for (const ShowOrnament& ornament : slide.ornaments)
            FUZZ_CHECK(OnPage(ornament.at, show));
        for (const ShowArrow& arrow : slide.arrows)
            FUZZ_CHECK(OnPage(arrow.x1, arrow.y1, show) && OnPage(arrow.x2, arrow.y2, show));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    const std::unique_ptr<char[]> text = HeapCopy(input, size, false);
    const ShowReading reading = ReadShow(ParseProfileText(std::string_view(text.get(), size)));
    if (reading.document)
        CheckDocument(*reading.document);
    else
        FUZZ_CHECK(FormatShowError("show.ini", reading.error).find('\n') == std::string::npos);
    for (const ShowWarning& warning : reading.warnings)
        FUZZ_CHECK(FormatShowWarning("show.ini", warning).find('\n') == std::string::npos);
    return 0;
}
