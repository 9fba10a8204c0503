#include "config/RegistryValueText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// Binary values longer than this are shown by their beginning only.
constexpr unsigned long maxBytesShown = 256;

// Appends to a caller's buffer, terminating after every piece, so that wherever the text is cut
// it ends there.
class BoundedText {
public:
    BoundedText(char* out, unsigned long size) : out_(out), size_(out ? size : 0) {
        if (size_ > 0)
            out_[0] = '\0';
    }

    unsigned long Room() const { return size_ > 0 ? size_ - 1 - used_ : 0; }

    void Append(const char* text, unsigned long length) {
        const unsigned long taken = std::min(length, Room());
        if (taken == 0)
            return;
        std::memcpy(out_ + used_, text, taken);
        used_ += taken;
        out_[used_] = '\0';
    }

    void Append(const char* text) { Append(text, std::strlen(text)); }

private:
    char* out_;
    unsigned long size_;
    unsigned long used_ = 0;
};

// Registry strings need not be terminated within their data.
unsigned long StringLength(const char* text, unsigned long limit) {
    if (limit == 0)
        return 0;
    const void* end = std::memchr(text, '\0', limit);
    return end ? static_cast<unsigned long>(static_cast<const char*>(end) - text) : limit;
}

void AppendQuotedString(BoundedText& text, const char* data, unsigned long dataSize,
                        unsigned long outSize) {
    const unsigned long length = StringLength(data, dataSize);
    text.Append("\"");
    // The quotes and the terminator must fit; otherwise the cut is marked within the line.
    if (length + 2 < outSize) {
        text.Append(data, length);
        text.Append("\"");
        return;
    }
    text.Append(data, outSize >= 8 ? outSize - 8 : 0);
    text.Append(" ... \"");
}

// Whole "xx " groups only: a half-shown byte would read as a different value.
void AppendBytes(BoundedText& text, const char* data, unsigned long dataSize) {
    const unsigned long shown = std::min(dataSize, maxBytesShown);
    for (unsigned long index = 0; index < shown && text.Room() >= 3; ++index) {
        char group[4]; // two digits, a blank and the terminator
        std::snprintf(group, sizeof group, "%02x ", static_cast<unsigned char>(data[index]));
        text.Append(group, 3);
    }
}

// Taken as stored in memory, least significant byte first, also for the big-endian type;
// missing bytes of a short value count as zero.
void AppendDWord(BoundedText& text, const char* data, unsigned long dataSize) {
    unsigned long value = 0;
    for (unsigned long index = std::min(dataSize, 4ul); index > 0; --index)
        value = (value << 8) | static_cast<unsigned char>(data[index - 1]);
    char digits[9]; // eight digits and the terminator
    std::snprintf(digits, sizeof digits, "%08lX", value);
    text.Append(digits, 8);
}

// The list ends at an empty string or at the end of the data, whichever comes first.
void AppendMultiString(BoundedText& text, const char* data, unsigned long dataSize) {
    text.Append("{ ");
    unsigned long offset = 0;
    while (offset < dataSize) {
        const unsigned long length = StringLength(data + offset, dataSize - offset);
        if (length == 0)
            break;
        text.Append("\"");
        text.Append(data + offset, length);
        text.Append("\"  ");
        offset += length + 1;
    }
    text.Append("}");
}

} // namespace

int ConvertKeyValueDataText(unsigned long type, const char* data, unsigned long dataSize, char* out,
                            unsigned long outSize) {
    if (!data)
        dataSize = 0;
    BoundedText text(out, outSize);
    switch (type) {
    case 0:
        text.Append("<No value Type>");
        break;
    case 1:
    case 2:
        AppendQuotedString(text, data, dataSize, outSize);
        break;
    case 3:
    case 8:
        AppendBytes(text, data, dataSize);
        break;
    case 4:
    case 5:
        AppendDWord(text, data, dataSize);
        break;
    case 6:
        text.Append(data, StringLength(data, dataSize));
        break;
    case 7:
        AppendMultiString(text, data, dataSize);
        break;
    case 9:
        text.Append("<REG_FULL_RESOURCE_DESCRIPTOR>");
        break;
    default: {
        char undefined[40]; // the text, up to 16 hexadecimal digits and the terminator
        std::snprintf(undefined, sizeof undefined, "<Undefined Type: %lx>", type);
        text.Append(undefined);
        break;
    }
    }
    return 1;
}
