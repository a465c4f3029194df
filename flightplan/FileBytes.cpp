#include "FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace flightplan {

nav::Expected<std::string> ReadFileBytes(const std::string& path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               std::fclose);
    if (!file) return nav::Fail("cannot open " + path + ": " + std::strerror(errno));
    std::string bytes;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        bytes.append(buffer, n);
        if (bytes.size() > LargestPlanFileBytes)
            return nav::Fail(path + " is larger than " +
                             std::to_string(LargestPlanFileBytes >> 20) +
                             " MB: no flight plan or route file is");
    }
    if (std::ferror(file.get()))
        return nav::Fail("cannot read " + path + ": " + std::strerror(errno));
    return bytes;
}

}  // namespace flightplan
