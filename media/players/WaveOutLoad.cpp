// The RIFF walk: the image at its offset, the "WAVE" form, its PCM format, the device, then the
// chosen bytes of its "data" chunk, refused in that order. The data is read while the device is
// asked and opened and the window makes its controls.
#include "media/players/WaveOutLoad.h"

#include "QernoFrame.h"
#include "media/players/WaveOutCalls.h"

#include <cstring>
#include <memory>

namespace {

enum PromptId : unsigned int {
    kNoPrompt = 0,
    kPromptOutOfMemory = 12037,
    kPromptCannotOpen = 12300,
    kPromptOffsetUnreachable = 12301,
    kPromptCannotLock = 12309,
    kPromptNoWaveForm = 12310,
    kPromptNoChunk = 12311,
    kPromptNotPcm = 12312,
    kPromptFormatCut = 12313,
    kPromptFormatUnsupported = 12314,
    kPromptDeviceBusy = 12315,
    kPromptDataCut = 12317,
};

// A format is at least a PCM one and at most the largest one WAVEFORMATEX can describe.
constexpr DWORD kSmallestFormat = sizeof(PCMWAVEFORMAT);
constexpr DWORD kLargestFormat = sizeof(WAVEFORMATEX) + 0xFFFF;

bool Refuse(HWND window, PromptId prompt) {
    PromptErrorID(window, prompt);
    return false;
}

// mmioSeek happily lands past the end of a file, where no image can be.
bool SeekToImage(HMMIO file, unsigned long offset) {
    const LONG size = mmioSeek(file, 0, SEEK_END);
    return size >= 0 && offset <= static_cast<unsigned long>(size) &&
           mmioSeek(file, static_cast<LONG>(offset), SEEK_SET) == static_cast<LONG>(offset);
}

// The chunk is read whole, as the file has it, but only its PCM part is kept.
bool ReadFormat(HWND window, HMMIO file, MMCKINFO& riff, WAVEFORMATEX& format) {
    MMCKINFO chunk = {};
    chunk.ckid = mmioStringToFOURCCA("fmt", 0);
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR)
        return Refuse(window, kPromptNoChunk);
    if (chunk.cksize < kSmallestFormat || chunk.cksize > kLargestFormat)
        return Refuse(window, kPromptFormatCut);
    HLOCAL memory = LocalAlloc(LMEM_MOVEABLE, chunk.cksize);
    if (!memory)
        return Refuse(window, kPromptOutOfMemory);
    void* bytes = LocalLock(memory);
    if (!bytes) {
        LocalFree(memory);
        return Refuse(window, kPromptCannotLock);
    }
    const bool whole = mmioRead(file, static_cast<HPSTR>(bytes), static_cast<LONG>(chunk.cksize)) ==
                       static_cast<LONG>(chunk.cksize);
    format = {};
    if (whole)
        std::memcpy(&format, bytes, kSmallestFormat);
    LocalUnlock(memory);
    LocalFree(memory);
    if (!whole)
        return Refuse(window, kPromptFormatCut);
    if (format.wFormatTag != WAVE_FORMAT_PCM)
        return Refuse(window, kPromptNotPcm);
    mmioAscend(file, &chunk, 0);
    return true;
}

// mmioRead on a pool thread, beside whatever the caller does meanwhile; nothing else touches the
// file until the read is waited for, which the destructor does at the latest.
class BackgroundRead {
public:
    BackgroundRead(HMMIO file, BYTE* bytes, LONG size)
        : file_(file), bytes_(bytes), size_(size),
          work_(CreateThreadpoolWork(Read, this, nullptr)) {
        if (work_)
            SubmitThreadpoolWork(work_);
        else
            Read(nullptr, this, nullptr);
    }
    ~BackgroundRead() { Wait(); }
    BackgroundRead(const BackgroundRead&) = delete;
    BackgroundRead& operator=(const BackgroundRead&) = delete;

    // Whether every byte came.
    bool Whole() {
        Wait();
        return read_ == size_;
    }

private:
    static void CALLBACK Read(PTP_CALLBACK_INSTANCE, void* context, PTP_WORK) {
        auto* read = static_cast<BackgroundRead*>(context);
        read->read_ = mmioRead(read->file_, reinterpret_cast<HPSTR>(read->bytes_), read->size_);
    }
    void Wait() {
        if (!work_)
            return;
        WaitForThreadpoolWorkCallbacks(work_, FALSE);
        CloseThreadpoolWork(work_);
        work_ = nullptr;
    }

    HMMIO file_;
    BYTE* bytes_;
    LONG size_;
    LONG read_ = -1;
    PTP_WORK work_;
};

// The data's steps up to its read, which then goes on in the background. A refusal is kept rather
// than shown, so that the device's refusals still come first; whatever is not handed over is
// released once the read is done.
class DataLoad {
public:
    DataLoad(HMMIO file, MMCKINFO& riff, const WaveSource& source, WavePace pace) : pace_(pace) {
        refusal_ = Start(file, riff, source);
    }
    ~DataLoad() {
        read_.reset();
        if (memory_) {
            GlobalUnlock(memory_);
            GlobalFree(memory_);
        }
    }
    DataLoad(const DataLoad&) = delete;
    DataLoad& operator=(const DataLoad&) = delete;

    // Hands the data, locked, to wave once it is read whole; runs whileReading meanwhile.
    bool Finish(HWND window, WhileReading whileReading, LoadedWave& wave) {
        if (refusal_ != kNoPrompt)
            return Refuse(window, refusal_);
        whileReading(window, WaveMilliseconds(span_.size, pace_));
        if (!read_->Whole())
            return Refuse(window, kPromptDataCut);
        wave.pace = pace_;
        wave.data = memory_;
        wave.bytes = bytes_;
        wave.size = span_.size;
        memory_ = nullptr;
        return true;
    }

private:
    PromptId Start(HMMIO file, MMCKINFO& riff, const WaveSource& source) {
        MMCKINFO chunk = {};
        chunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
        if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR ||
            chunk.cksize == 0)
            return kPromptNoChunk;
        span_ = ChooseWaveSpan(chunk.cksize, source.startMs, source.endMs, pace_);
        // A start beyond what a seek can reach cannot be read.
        if (span_.offset > 0x7FFFFFFF - chunk.dwDataOffset ||
            mmioSeek(file, static_cast<LONG>(span_.offset), SEEK_CUR) !=
                static_cast<LONG>(chunk.dwDataOffset + span_.offset))
            return kPromptDataCut;
        memory_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, span_.size);
        if (!memory_)
            return kPromptOutOfMemory;
        bytes_ = static_cast<BYTE*>(GlobalLock(memory_));
        if (!bytes_) {
            GlobalFree(memory_);
            memory_ = nullptr;
            return kPromptCannotLock;
        }
        read_ = std::make_unique<BackgroundRead>(file, bytes_, static_cast<LONG>(span_.size));
        return kNoPrompt;
    }

    WavePace pace_;
    WaveSpan span_ = {};
    HGLOBAL memory_ = nullptr;
    BYTE* bytes_ = nullptr;
    std::unique_ptr<BackgroundRead> read_;
    PromptId refusal_ = kNoPrompt;
};

bool LoadFromOpenFile(HWND window, HMMIO file, const WaveSource& source, WhileReading whileReading,
                      LoadedWave& wave) {
    if (!SeekToImage(file, source.fileOffset))
        return Refuse(window, kPromptOffsetUnreachable);
    MMCKINFO riff = {};
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    if (mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR)
        return Refuse(window, kPromptNoWaveForm);
    WAVEFORMATEX format;
    if (!ReadFormat(window, file, riff, format))
        return false;
    // A format at odds with itself is not put to the device: a converter behind the wave mapper
    // may fail on it hard, and its times could not be computed.
    const PcmLayout layout = {format.nChannels, format.nSamplesPerSec, format.wBitsPerSample,
                              format.nBlockAlign, format.nAvgBytesPerSec};
    if (!IsConsistentPcm(layout))
        return Refuse(window, kPromptFormatUnsupported);
    // The data's read, the longest step, goes on while the device is asked and opened.
    DataLoad data(file, riff, source, {format.nAvgBytesPerSec, format.nBlockAlign});
    if (!QueryWaveFormat(format))
        return Refuse(window, kPromptFormatUnsupported);
    HWAVEOUT device = OpenWaveDevice(format, window);
    if (!device)
        return Refuse(window, kPromptDeviceBusy);
    if (!data.Finish(window, whileReading, wave)) {
        CloseWaveDevice(device);
        return false;
    }
    wave.device = device;
    return true;
}

} // namespace

bool LoadWave(HWND window, const WaveSource& source, WhileReading whileReading, LoadedWave& wave) {
    HMMIO file = mmioOpenA(const_cast<char*>(source.file), nullptr, MMIO_ALLOCBUF | MMIO_READ);
    if (!file)
        return Refuse(window, kPromptCannotOpen);
    const bool loaded = LoadFromOpenFile(window, file, source, whileReading, wave);
    mmioClose(file, 0);
    return loaded;
}
