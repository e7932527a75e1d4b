#include "platform/instalacja.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

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

std::string RealPath(const char* logical)
{
    if (std::strncmp(logical, InstallFolder, InstallFolderLength) != 0)
        return logical;
    return DataFolder() + "/" + (logical + InstallFolderLength);
}

std::string LogicalPath(const std::string& real)
{
    const std::string& folder = DataFolder();
    if (real.size() > folder.size() && real.compare(0, folder.size(), folder) == 0
        && real[folder.size()] == '/')
        return InstallFolder + real.substr(folder.size() + 1);
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

std::FILE* OpenDataFile(const char* logical, const char* mode, const char* kind,
                        FileFault* fault)
{
    const std::string real = RealPath(logical);
    std::FILE* f = std::fopen(real.c_str(), mode);
    if (!f) {
        const int error = errno;
        RefuseFile(fault, kind, real, std::string("can't open it: ") + std::strerror(error),
                   error == ENOENT);
        return nullptr;
    }
    struct stat st = {};
    if (mode[0] == 'r' && (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode))) {
        std::fclose(f);
        RefuseFile(fault, kind, real,
                   S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file");
        return nullptr;
    }
    return f;
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
