// The media files of a show: where they are looked for, the pictures read from them, and how
// the ones that cannot be used are reported.
#pragma once

#include <windows.h>

#include <set>
#include <string>

// The player's records in the system log.
constexpr unsigned int kShowLogCategory = 0x1;

// The file named in full, from the current folder: the profile functions look for a bare name
// in the Windows folder.
std::string FullPathOf(const std::string& file);
// The folder of the file, without a trailing backslash.
std::string FolderOf(const std::string& file);

class ShowMedia {
public:
    // Prompting waits for the user; an export or a timed show runs unattended and reports on
    // stderr and in the log instead.
    enum class Reporting { Prompt, Unattended };

    // Files are looked for in the folder of showFile, or in the "Media" path of the show's
    // configuration file when it names one. showFile is named in full.
    ShowMedia(HWND owner, const std::string& showFile, Reporting reporting);

    const std::string& Folder() const { return folder_; }
    // A file name with a drive or a leading backslash as it is, any other within Folder().
    std::string Resolve(const std::string& file) const;
    // The BMP file as a packed DIB handle for the caller to GlobalFree; null when it is missing
    // or no BMP, which is reported once per file.
    HGLOBAL LoadPicture(const std::string& file);
    // Logs the text and shows it to the user, each text once: a slide is painted again and again.
    void Report(const std::string& text);

private:
    HWND owner_;
    Reporting reporting_;
    std::string folder_;
    std::set<std::string> reported_;
};
