#include "data_lines.h"

#include <fstream>
#include <stdexcept>

namespace bazi::ephem {

void forEachDataLine(
    const std::filesystem::path& file, std::string_view what,
    const std::function<void(std::istringstream& fields, const std::string& where)>& read) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read the " + std::string(what) + " " + file.string());
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        read(fields, file.string() + ":" + std::to_string(lineNumber));
    }
}

} // namespace bazi::ephem
