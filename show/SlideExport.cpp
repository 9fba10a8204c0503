#include "show/SlideExport.h"

#include "png_writer.h"
#include "show/SlidePainter.h"
#include "show/SlideTransition.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// A 24-bit top-down DIB section selected into a memory DC, its rows read back as RGB.
class Canvas {
public:
    explicit Canvas(SIZE size) : size_(size), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO format = {};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = size.cx;
        format.bmiHeader.biHeight = -size.cy;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 24;
        format.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &format, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ && bitmap_)
            old_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        if (old_)
            SelectObject(dc_, old_);
        if (bitmap_)
            DeleteObject(bitmap_);
        if (dc_)
            DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return old_ ? dc_ : nullptr; }

    bool Write(const std::string& path) const {
        GdiFlush();
        const int stride = (size_.cx * 3 + 3) & ~3;
        const auto* bgr = static_cast<const std::uint8_t*>(bits_);
        std::vector<std::uint8_t> rgb(static_cast<size_t>(size_.cx) * size_.cy * 3);
        for (int y = 0; y < size_.cy; ++y)
            for (int x = 0; x < size_.cx; ++x)
                for (int c = 0; c < 3; ++c)
                    rgb[(static_cast<size_t>(y) * size_.cx + x) * 3 + c] =
                        bgr[static_cast<size_t>(y) * stride + x * 3 + 2 - c];
        return qerno::image::WritePng(path, size_.cx, size_.cy, rgb.data());
    }

private:
    SIZE size_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

std::string SlideFile(const std::string& folder, int number, const char* suffix) {
    char name[32]; // "slide-99-transition.png" and the terminator
    std::snprintf(name, sizeof name, "slide-%02d%s.png", number, suffix);
    return folder + "\\" + name;
}

bool Save(const Canvas& canvas, const std::string& path, ShowMedia& media) {
    if (canvas.Write(path))
        return true;
    media.Report("Cannot write " + path);
    return false;
}

} // namespace

bool ExportSlides(const ShowDocument& document, SIZE size, ShowMedia& media,
                  const std::string& folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
    Canvas canvas(size);
    if (!canvas.Dc()) {
        media.Report("Cannot make a picture of the slides");
        return false;
    }
    for (size_t index = 0; index < document.slides.size(); ++index) {
        const ShowSlide& slide = document.slides[index];
        const int number = static_cast<int>(index) + 1;
        PaintSlide(canvas.Dc(), size, document, slide, media);
        if (!Save(canvas, SlideFile(folder, number, ""), media))
            return false;
        if (slide.transition == ShowTransition::None)
            continue;
        DrawTransition(canvas.Dc(), size, slide.transition, kTransitionPeriod / 2);
        if (!Save(canvas, SlideFile(folder, number, "-transition"), media))
            return false;
    }
    return true;
}
