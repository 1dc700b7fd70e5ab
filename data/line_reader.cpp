#include "data/line_reader.h"

namespace vnk {

bool ReadLine(std::istream& in, std::string& line, std::size_t maxKeep) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr || !in.good()) return false;
    bool any = false;
    for (;;) {
        const auto c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            return any;
        }
        any = true;
        const char ch = std::char_traits<char>::to_char_type(c);
        if (ch == '\n') return true;
        if (line.size() < maxKeep) line.push_back(ch);
    }
}

}  // namespace vnk
