#include "platform/instalacja.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
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

std::FILE* OpenDataFile(const char* logical, const char* mode)
{
    const std::string real = RealPath(logical);
    std::FILE* f = std::fopen(real.c_str(), mode);
    if (!f)
        std::fprintf(stderr, "Error: can't open file '%s' (error %d: %s)\n", real.c_str(),
                     errno, std::strerror(errno));
    return f;
}
