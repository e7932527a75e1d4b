#include "platform/instalacja.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const char InstallFolder[] = "Program Files\\Venk's Zertanik Dezoze EN\\";
static_assert(sizeof(InstallFolder) == InstallFolderLength + 1, "prefix length");

namespace {

std::string cachedFolder;

bool IsFolder(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ExecutableFolder()
{
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return ".";
    buf[n] = 0;
    std::string exe(buf);
    std::string::size_type slash = exe.rfind('/');
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

std::string FindDataFolder()
{
    if (const char* env = std::getenv("ZERTANIK_DATA"); env && *env) {
        std::string folder(env);
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        return folder;
    }
    const std::string exeFolder = ExecutableFolder();
    for (const char* rel : {"/data", "/../share/zertanik/data", "/../data"}) {
        std::string candidate = exeFolder + rel;
        if (IsFolder(candidate))
            return candidate;
    }
    return exeFolder + "/data";
}

} // namespace

const std::string& DataFolder()
{
    if (cachedFolder.empty())
        cachedFolder = FindDataFolder();
    return cachedFolder;
}

void ResetDataFolder() { cachedFolder.clear(); }

namespace {

// Why a file of this kind is no regular file; empty when it is one.
std::string KindFault(const struct stat& st)
{
    return S_ISREG(st.st_mode) ? std::string()
           : S_ISDIR(st.st_mode) ? "it is a folder"
                                 : "it is not a regular file";
}

} // namespace

std::string NotARegularFile(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return std::string("can't open it: ") + std::strerror(errno);
    return KindFault(st);
}

std::string RealPath(const char* logical)
{
    if (std::strncmp(logical, InstallFolder, InstallFolderLength) != 0)
        return logical;
    // The option folders are spelled "...EN\/tlo": one slash after the folder.
    const char* rest = logical + InstallFolderLength;
    while (*rest == '/')
        ++rest;
    return DataFolder() + "/" + rest;
}

namespace {

// path as the file system resolves it ("..", "." and links gone); empty when
// it does not exist.
std::string Canonical(const std::string& path)
{
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::string();
    std::string canonical(resolved);
    std::free(resolved);
    return canonical;
}

// path with its empty and "." steps left out and each ".." taking the step
// before it away ("/.." is "/"; a relative path keeps its leading "..").
std::string SpelledClean(const std::string& path)
{
    const bool absolute = !path.empty() && path[0] == '/';
    std::vector<std::string> steps;
    std::string::size_type from = 0;
    while (from <= path.size()) {
        std::string::size_type slash = path.find('/', from);
        if (slash == std::string::npos)
            slash = path.size();
        const std::string step = path.substr(from, slash - from);
        if (step == "..") {
            if (!steps.empty() && steps.back() != "..")
                steps.pop_back();
            else if (!absolute)
                steps.push_back(step);
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        from = slash + 1;
    }
    std::string clean = absolute ? "/" : "";
    for (const std::string& step : steps)
        clean += (clean.empty() || clean == "/" ? "" : "/") + step;
    return clean.empty() && !path.empty() ? "." : clean;
}

// The part of path after folder and a slash; false when path is not inside.
bool Inside(const std::string& path, const std::string& folder, std::string& rest)
{
    if (folder.empty() || path.size() <= folder.size() + 1
        || path.compare(0, folder.size(), folder) != 0 || path[folder.size()] != '/')
        return false;
    rest = path.substr(folder.size() + 1);
    return true;
}

} // namespace

std::string CleanPath(const std::string& path)
{
    const std::string canonical = Canonical(path);
    return canonical.empty() ? SpelledClean(path) : canonical;
}

std::string LogicalPath(const std::string& real)
{
    std::string rest;
    if (Inside(real, DataFolder(), rest))
        return InstallFolder + rest;
    // A file dialog names a file by its resolved path, while the data folder
    // may be spelled with "..", "." or a link (an install finds it as
    // bin/../share/...): compare the folders as the file system resolves
    // them. The file's own name is kept, a link or not.
    const std::string::size_type slash = real.rfind('/');
    if (slash == std::string::npos || slash + 1 == real.size())
        return real;
    const std::string folder = Canonical(DataFolder());
    const std::string parent = Canonical(slash == 0 ? "/" : real.substr(0, slash));
    if (!parent.empty() && Inside(parent + real.substr(slash), folder, rest))
        return InstallFolder + rest;
    return real;
}

std::string FileFault::Text() const { return kind + " '" + file + "': " + what; }

int RefuseFile(FileFault* fault, const char* kind, const std::string& file,
               const std::string& what, bool missing)
{
    FileFault f{kind, file, what, missing};
    std::fprintf(stderr, "Error: %s\n", f.Text().c_str());
    if (fault)
        *fault = std::move(f);
    return 1;
}

namespace {

// fopen for reading that does not wait on a named pipe or a device: the file
// is opened without blocking, and the caller's check of its kind refuses
// anything but a regular file.
std::FILE* OpenForReading(const std::string& path, const char* mode)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    const int flags = fcntl(fd, F_GETFL);
    if (flags != -1)
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* f = fdopen(fd, mode);
    if (!f) {
        const int error = errno;
        close(fd);
        errno = error;
    }
    return f;
}

} // namespace

namespace {

// fopen of a real path; for reading, only of a regular file. On failure
// nullptr, with why it failed and whether the file is missing.
std::FILE* OpenRealFile(const std::string& real, const char* mode, std::string& why,
                        bool& missing)
{
    const bool reading = mode[0] == 'r' && !std::strchr(mode, '+');
    std::FILE* f = reading ? OpenForReading(real, mode) : std::fopen(real.c_str(), mode);
    if (!f) {
        const int error = errno;
        why = std::string("can't open it: ") + std::strerror(error);
        missing = error == ENOENT;
        return nullptr;
    }
    struct stat st = {};
    if (mode[0] == 'r' && (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode))) {
        std::fclose(f);
        why = KindFault(st);
        missing = false;
        return nullptr;
    }
    return f;
}

} // namespace

std::FILE* OpenDataFile(const char* logical, const char* mode, const char* kind,
                        FileFault* fault)
{
    const std::string real = RealPath(logical);
    std::string why;
    bool missing = false;
    std::FILE* f = OpenRealFile(real, mode, why, missing);
    if (!f)
        RefuseFile(fault, kind, real, why, missing);
    return f;
}

std::FILE* OpenDataFileQuietly(const char* logical, const char* mode)
{
    std::string why;
    bool missing = false;
    return OpenRealFile(RealPath(logical), mode, why, missing);
}

int CheckDataFolder(FileFault* fault)
{
    if (IsFolder(DataFolder()))
        return 0;
    return RefuseFile(fault, "data folder", DataFolder(), "no such folder", true);
}

bool MayWrite(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) != 0
           && access(path.c_str(), W_OK) == 0;
}

std::string UserFilePath(const char* logical)
{
    if (std::strncmp(logical, InstallFolder, InstallFolderLength) != 0)
        return std::string();
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        config = std::string(home) + "/.config";
    else
        return std::string();
    return config + "/zertanik/" + (logical + InstallFolderLength);
}

namespace {

// The per-user file for logical when the data folder may not be written.
std::string MappedUserFile(const char* logical)
{
    return MayWrite(DataFolder()) ? std::string() : UserFilePath(logical);
}

} // namespace

std::string WrittenFileReadPath(const char* logical)
{
    const std::string user = MappedUserFile(logical);
    struct stat st;
    return !user.empty() && lstat(user.c_str(), &st) == 0 ? user : RealPath(logical);
}

std::string WrittenFileTarget(const char* logical)
{
    const std::string user = MappedUserFile(logical);
    return user.empty() ? RealPath(logical) : user;
}

std::string WrittenFileWritePath(const char* logical)
{
    const std::string user = MappedUserFile(logical);
    if (user.empty())
        return RealPath(logical);
    // Every missing folder on the way, as mkdir -p makes them.
    for (std::string::size_type slash = user.find('/', 1); slash != std::string::npos;
         slash = user.find('/', slash + 1))
        mkdir(user.substr(0, slash).c_str(), 0700);
    return user;
}
