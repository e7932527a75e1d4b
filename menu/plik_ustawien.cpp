#include "menu/plik_ustawien.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "menu/opcje.h"
#include "platform/instalacja.h"

const char SettingsFilePath[] = "Program Files\\Venk's Zertanik Dezoze EN\\Qovant.kfg";

int ReadRecordBytes(const char* path, SettingsBytes& bytes, std::size_t& length)
{
    std::FILE* f = OpenDataFile(path, "rb");
    if (!f)
        return 1;
    length = 0;
    while (length < bytes.size()) {
        const std::size_t got = std::fread(bytes.data() + length, 1, bytes.size() - length, f);
        if (got == 0)
            break;
        length += got;
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    return failed ? 1 : 0;
}

int ReadSettingsFile(const char* path, Ustawienia& record)
{
    SettingsBytes bytes;
    std::size_t length = 0;
    if (ReadRecordBytes(path, bytes, length) != 0 || length < SettingsRecordBytes)
        return 1;
    record = DecodeSettings(bytes.data(), length);
    return 0;
}

namespace {

void ReportWriteFailure(const std::string& path, const char* what)
{
    std::fprintf(stderr, "Error: can't write settings file '%s' (%s: %s)\n", path.c_str(), what,
                 std::strerror(errno));
}

// Writes bytes to a new file temp, checking every step; false on failure.
bool WriteNewFile(std::string& temp, const SettingsBytes& bytes, const std::string& real)
{
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        ReportWriteFailure(temp, "create");
        temp.clear();
        return false;
    }
    // The new file takes the old one's permissions, or the ordinary ones
    // under the umask for a first file.
    struct stat old;
    if (stat(real.c_str(), &old) == 0) {
        fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    std::FILE* f = fdopen(fd, "wb");
    if (!f) {
        ReportWriteFailure(temp, "open");
        close(fd);
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        ReportWriteFailure(temp, "write");
    return ok;
}

} // namespace

int WriteSettingsFile(const char* path, const Ustawienia& record)
{
    const std::string real = RealPath(path);
    std::string temp = real + ".XXXXXX";
    if (WriteNewFile(temp, EncodeSettings(record), real)) {
        if (std::rename(temp.c_str(), real.c_str()) == 0)
            return 0;
        ReportWriteFailure(real, "rename");
    }
    if (!temp.empty())
        std::remove(temp.c_str());
    return 1;
}

int ReadSettingsPaths()
{
    SetDefaultOptionPaths();
    Ustawienia record;
    if (ReadSettingsFile(SettingsFilePath, record) != 0)
        return 1;
    ApplyOptionPaths(record);
    return 0;
}

int LoadSettings(Ustawienia& record)
{
    if (ReadSettingsFile(SettingsFilePath, record) != 0)
        return 1;
    ApplyOptions(record);
    return 0;
}
