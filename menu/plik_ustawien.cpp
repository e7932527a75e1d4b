#include "menu/plik_ustawien.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#include "menu/opcje.h"
#include "platform/instalacja.h"

const char SettingsFilePath[] = "Program Files\\Venk's Zertanik Dezoze EN\\Qovant.kfg";
const char SettingsKind[] = "settings file";
const char RefusedSettingsSuffix[] = ".bad";

int ReadRecordBytes(const char* path, SettingsBytes& bytes, std::size_t& length,
                    const char* kind, FileFault* fault)
{
    std::FILE* f = OpenDataFile(path, "rb", kind, fault);
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
    return failed ? RefuseFile(fault, kind, RealPath(path), "can't read it") : 0;
}

std::string SettingsRecordFault(const SettingsBytes& bytes, std::size_t length)
{
    if (length < SettingsRecordBytes)
        return "it is shorter than the " + std::to_string(SettingsRecordBytes) + "-byte record ("
               + std::to_string(length) + " bytes)";
    const auto* types = bytes.data() + offsetof(Ustawienia, TypGracza);
    if (!std::all_of(types, types + SeatCount, [](std::uint8_t t) {
            return ValidSeatType(static_cast<std::int8_t>(t));
        }))
        return "its seats are damaged";
    return std::string();
}

int ReadSettingsFile(const char* path, Ustawienia& record, FileFault* fault)
{
    const std::string real = WrittenFileReadPath(path);
    // No file at all is a first start: nothing to report.
    struct stat st;
    if (stat(real.c_str(), &st) != 0 && errno == ENOENT) {
        if (fault)
            *fault = FileFault{SettingsKind, real, "no such file", true};
        return 1;
    }
    SettingsBytes bytes;
    std::size_t length = 0;
    if (ReadRecordBytes(real.c_str(), bytes, length, SettingsKind, fault) != 0)
        return 1;
    const std::string what = SettingsRecordFault(bytes, length);
    if (length < SettingsRecordBytes)
        return RefuseFile(fault, SettingsKind, real, what);
    // Damaged seats are replaced by the first start's; the rest is used.
    if (!what.empty())
        RefuseFile(fault, SettingsKind, real, what);
    record = DecodeSettings(bytes.data(), length);
    return 0;
}

bool RefusedSettingsFile(const std::string& real)
{
    struct stat st;
    if (stat(real.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    std::FILE* f = std::fopen(real.c_str(), "rb");
    if (!f)
        return false;
    SettingsBytes bytes;
    const std::size_t length = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return !SettingsRecordFault(bytes, length).empty();
}

namespace {

// The file a path names once every symbolic link on it is followed (a link
// to a missing file gives that file's path).
std::string FollowLinks(std::string path)
{
    for (int hop = 0; hop < 40; ++hop) {
        char target[4096];
        const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0)
            break;
        target[n] = 0;
        const std::string::size_type slash = path.rfind('/');
        path = target[0] == '/' || slash == std::string::npos
                   ? std::string(target)
                   : path.substr(0, slash + 1) + target;
    }
    return path;
}

int RefuseWrite(FileFault* fault, const std::string& real, const char* what)
{
    return RefuseFile(fault, SettingsKind, real,
                      std::string("can't write it (") + what + ": " + std::strerror(errno) + ")");
}

// Writes bytes to a new file temp, checking every step; false on failure.
// Failures are reported under real, the file being written.
bool WriteNewFile(std::string& temp, const SettingsBytes& bytes, const std::string& real,
                  FileFault* fault)
{
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        RefuseWrite(fault, real, "create");
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
        RefuseWrite(fault, real, "open");
        close(fd);
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        RefuseWrite(fault, real, "write");
    return ok;
}

// A settings file that reading refuses is kept beside as NAME.bad before it
// is replaced, so the names and seats in it are not lost. False when it
// cannot be kept.
bool KeepRefusedFile(const std::string& real, FileFault* fault)
{
    if (!RefusedSettingsFile(real))
        return true;
    const std::string bad = real + RefusedSettingsSuffix;
    std::error_code error;
    std::filesystem::copy_file(real, bad, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (!error)
        return true;
    errno = error.value();
    RefuseWrite(fault, real, ("keep it as " + bad).c_str());
    return false;
}

} // namespace

bool SettingsSaveReplaces(const std::string& real)
{
    return FollowLinks(WrittenFileTarget(SettingsFilePath)) == FollowLinks(real);
}

int WriteSettingsFile(const char* path, const Ustawienia& record, FileFault* fault)
{
    // A symbolic link stays: the file it leads to is the one written.
    const std::string real = FollowLinks(WrittenFileWritePath(path));
    struct stat st;
    if (stat(real.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return RefuseFile(fault, SettingsKind, real, "can't write it: it is a folder");
        if (!MayWrite(real))
            return RefuseFile(fault, SettingsKind, real, "can't write it: it is read-only");
        if (!KeepRefusedFile(real, fault))
            return 1;
    }
    std::string temp = real + ".XXXXXX";
    if (WriteNewFile(temp, EncodeSettings(record), real, fault)) {
        if (std::rename(temp.c_str(), real.c_str()) == 0)
            return 0;
        RefuseWrite(fault, real, "rename");
    }
    if (!temp.empty())
        std::remove(temp.c_str());
    return 1;
}

int ReadSettingsPaths(FileFault* fault)
{
    SetDefaultOptionPaths();
    Ustawienia record;
    if (ReadSettingsFile(SettingsFilePath, record, fault) != 0)
        return 1;
    ApplyOptionPaths(record);
    return 0;
}

int LoadSettings(Ustawienia& record, FileFault* fault)
{
    if (ReadSettingsFile(SettingsFilePath, record, fault) != 0)
        return 1;
    ApplyOptions(record);
    return 0;
}
