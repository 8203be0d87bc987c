// The parts of a workbook its sheets share, filled while the sheets are
// written: the shared strings, where a cell names its text by position, and
// the styles, where it names its font and number format by position.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lodarix::workbook {

class SharedStrings {
public:
    // The position of text in the table, added at the end when new.
    int index(const std::string& text);
    bool empty() const { return texts_.empty(); }
    // xl/sharedStrings.xml. Throws std::invalid_argument for text not UTF-8.
    std::string xml() const;

private:
    std::map<std::string, int, std::less<>> positions_;
    std::vector<const std::string*> texts_; // keys of positions_, in order
    int uses_ = 0;
};

class Styles {
public:
    Styles();
    // The position of the cell format: bold or not, numbers with decimals
    // (0 to 15) or -1 as they come. Position 0 is plain.
    int index(bool bold, int decimals);
    // xl/styles.xml.
    std::string xml() const;

private:
    std::map<std::pair<bool, int>, int> positions_;
    std::vector<std::pair<bool, int>> formats_; // keys of positions_, in order
};

} // namespace lodarix::workbook
