// Mutation operators on layout files: what a hand editor, a broken copy or a
// different text editor does to one. Each operator changes the text and says
// what it did, so that a failing case can be told and rebuilt.
#include <algorithm>
#include <functional>
#include <iterator>

#include "robustness/Robustness.h"
#include "support/Scratch.h"

namespace robustness {
namespace {

const char* const kHugeNumbers[] = {
    "2147483648", "-2147483649", "99999999999", "0x7FFFFFFF", "$FFFFFFFF", "2147483647", "-2147483648",
    "0x80000000", "$7FFFFFFF", "-0x7FFFFFFF", "0xFFFFFFFFF", "999999999999999999999999999", "-", "0x", "$",
    "+", " 5", "1e9", "１２", "0x1G",
};

// Counts the readers cap at 1024 cost about a second and a half of listing
// each: one of them among cheaper lies keeps the run short.
const char* const kHugeCounts[] = {
    "2147483647", "-1", "99999999999", "-2147483648", "3", "0x", "1e3", "2", "$", "-0",
};

// Pictures the viewer's working folder holds, does not hold, or cannot hold.
const char* const kPictureNames[] = {
    "image1.jpg", "missing.jpg", "pic.bmp", "pic.ico", "pic.wmf", "pic.emf", "picture.png", "noext",
    "sub1", "folder.jpg", "CON.bmp", "NUL.jpg", "COM1.ico", "LPT1.wmf", "AUX.emf", "sub1\\..\\image2.jpg",
    "..\\nothere.jpg", ".jpg", "image1.JPG", "C:\\", "*.jpg", "?.bmp", "a\"b.jpg", "image1.jpg ",
    "表示.jpg", "\\\\?\\Z:\\nothere.bmp", "pic.bmp\\", "pic.", "..jpg", "sub1\\.\\..\\pic.ico",
};

using Lines = std::vector<std::string>;

// Lines with their ends kept, so that joining gives the text back.
Lines SplitLines(const std::string& text) {
    Lines lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string Join(const Lines& lines) {
    std::string text;
    for (const auto& line : lines) text += line;
    return text;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The value part of a key line, [begin, end) without its line end.
bool ValueRange(const std::string& line, size_t* begin, size_t* end) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    *begin = eq + 1;
    *end = line.find_first_of("\r\n", *begin);
    if (*end == std::string::npos) *end = line.size();
    return true;
}

// A random key line's index, or the line count when there is none.
size_t RandomKeyLine(Mutator& m, const Lines& lines) {
    std::vector<size_t> keys;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find('=') != std::string::npos) keys.push_back(i);
    return keys.empty() ? lines.size() : keys[m.Below(keys.size())];
}

std::string SetRandomValue(Mutator& m, std::string& text, const std::string& value) {
    Lines lines = SplitLines(text);
    size_t i = RandomKeyLine(m, lines);
    if (i == lines.size()) {
        text += "[Width]\r\nForm=" + value + "\r\n";
        return "appended Width/Form";
    }
    size_t begin = 0, end = 0;
    ValueRange(lines[i], &begin, &end);
    std::string key = lines[i].substr(0, begin);
    lines[i].replace(begin, end - begin, value);
    text = Join(lines);
    return "line " + std::to_string(i) + " " + key;
}

std::string LongText(Mutator& m) {
    const std::string units[] = {"A", "あ", "\x81", "\\", "9", "表"};
    const std::string& unit = units[m.Below(std::size(units))];
    std::string text;
    while (text.size() < 100000) text += unit;
    return text;
}

using Operator = std::function<std::string(Mutator&, std::string&)>;

struct NamedOperator {
    const char* name;
    Operator apply;
};

const NamedOperator kOperators[] = {
    {"flip bytes", [](Mutator& m, std::string& t) {
         if (t.empty()) return std::string("(empty)");
         size_t n = 1 + m.Below(8);
         for (size_t i = 0; i < n; ++i) t[m.Below(t.size())] = char(m.Below(256));
         return std::to_string(n);
     }},
    {"cut line", [](Mutator& m, std::string& t) {
         Lines lines = SplitLines(t);
         if (lines.empty()) return std::string("(empty)");
         size_t i = m.Below(lines.size());
         lines.erase(lines.begin() + i);
         t = Join(lines);
         return std::to_string(i);
     }},
    {"duplicate line", [](Mutator& m, std::string& t) {
         Lines lines = SplitLines(t);
         if (lines.empty()) return std::string("(empty)");
         size_t i = m.Below(lines.size());
         // Many copies of a short line, a few of a long one: files stay near a megabyte.
         size_t times = m.Below(4) == 0 ? std::min<size_t>(2000, 1000000 / (lines[i].size() + 1)) : 1 + m.Below(5);
         lines.insert(lines.begin() + i, times, lines[i]);
         t = Join(lines);
         return std::to_string(i) + " x" + std::to_string(times);
     }},
    {"truncate", [](Mutator& m, std::string& t) {
         t.resize(m.Below(t.size() + 1));
         return std::to_string(t.size());
     }},
    {"huge number", [](Mutator& m, std::string& t) {
         std::string value = kHugeNumbers[m.Below(std::size(kHugeNumbers))];
         return value + " at " + SetRandomValue(m, t, value);
     }},
    {"huge count", [](Mutator& m, std::string& t) {
         std::string count = kHugeCounts[m.Below(std::size(kHugeCounts))];
         std::string section = "[extension]\r\ncount=" + count + "\r\nex1=.txt\r\nex3=.*\r\n";
         size_t at = t.find("[extension]");
         if (at == std::string::npos || m.Below(2)) t += section;
         else t.replace(at, t.size() - at, section);
         return count;
     }},
    {"long value", [](Mutator& m, std::string& t) { return SetRandomValue(m, t, LongText(m)); }},
    {"binary data", [](Mutator& m, std::string& t) {
         std::string junk(16 + m.Below(240), '\0');
         for (char& c : junk) c = char(m.Below(256));
         size_t at = m.Below(t.size() + 1);
         t.insert(at, junk);
         return std::to_string(junk.size()) + " at " + std::to_string(at);
     }},
    {"no final newline", [](Mutator&, std::string& t) {
         while (!t.empty() && (t.back() == '\n' || t.back() == '\r')) t.pop_back();
         return std::string();
     }},
    {"BOM", [](Mutator&, std::string& t) { return (t.insert(0, "\xEF\xBB\xBF"), std::string()); }},
    {"LF only", [](Mutator&, std::string& t) { return (t = ReplaceAll(t, "\r\n", "\n"), std::string()); }},
    {"CR only", [](Mutator&, std::string& t) { return (t = ReplaceAll(t, "\r\n", "\r"), std::string()); }},
    {"empty", [](Mutator&, std::string& t) { return (t.clear(), std::string()); }},
    {"picture name", [](Mutator& m, std::string& t) {
         std::string key = m.Below(2) ? "image1=" : "image2=";
         std::string name = kPictureNames[m.Below(std::size(kPictureNames))];
         size_t section = t.find("[File]");
         size_t at = section == std::string::npos ? std::string::npos : t.find(key, section);
         if (at == std::string::npos) {
             t += "[File]\r\n" + key + name + "\r\n";
         } else {
             size_t end = t.find_first_of("\r\n", at);
             t.replace(at, (end == std::string::npos ? t.size() : end) - at, key + name);
         }
         return key + name;
     }},
    {"broken section", [](Mutator& m, std::string& t) {
         Lines lines = SplitLines(t);
         std::vector<size_t> headers;
         for (size_t i = 0; i < lines.size(); ++i)
             if (lines[i].starts_with("[")) headers.push_back(i);
         if (headers.empty()) return std::string("(none)");
         size_t i = headers[m.Below(headers.size())];
         const std::string forms[] = {"[", "]", "[]", "[ ", "[[", "[\x81"};
         std::string& line = lines[i];
         switch (m.Below(3)) {
         case 0: line.erase(std::remove(line.begin(), line.end(), ']'), line.end()); break;
         case 1: line.insert(0, forms[m.Below(std::size(forms))]); break;
         default: line = "[" + std::string(5000, 'S') + "]\r\n" + line; break;
         }
         t = Join(lines);
         return std::to_string(i);
     }},
    {"spacing", [](Mutator& m, std::string& t) {
         const std::string forms[] = {" = ", "\t=\t", "==", "= ", " ="};
         const std::string& form = forms[m.Below(std::size(forms))];
         return (t = ReplaceAll(t, "=", form), form);
     }},
    {"lone lead byte", [](Mutator& m, std::string& t) { return SetRandomValue(m, t, "ロカ\x82"); }},
    {"NUL in value", [](Mutator& m, std::string& t) { return SetRandomValue(m, t, std::string("1\0002", 3)); }},
};

}  // namespace

std::span<const char* const> OddPictureNames() { return kPictureNames; }

std::span<const char* const> OddNumbers() { return kHugeNumbers; }

const std::vector<std::string>& BaseLayouts() {
    // A layout in use: every picture kind, several extensions, odd sizes.
    static const std::vector<std::string> bases = {
        testsupport::FreshDesignerLayout(),
        testsupport::LayoutText({
            "[Enable]", "image1=1", "image2=1", "Button1=1", "Button2=0", "ComboBox1=1", "ListBox1=1",
            "not_sizechange=0",
            "[Caption]", "Button1=開く", "Button2=パス", "Form=資料メニュー", "ComboBox1=選んでください",
            "[function]", "Button1=0", "Button2=1",
            "[File]", "image1=pic.bmp", "image2=pic.wmf",
            "[Width]", "image1=300", "image2=0", "Button1=-5", "Button2=89", "ListBox1=400", "ComboBox1=177",
            "Form=$1F4",
            "[Height]", "image1=0x40", "image2=50", "Button1=25", "Button2=25", "ListBox1=200", "Form=400",
            "[Left]", "image1=-20", "image2=0", "Button1=0", "Button2=88", "ListBox1=0", "ComboBox1=0",
            "[Top]", "image1=0", "image2=350", "Button1=300", "Button2=240", "ListBox1=90", "ComboBox1=72",
            "[ScrollBar]", "ListBox1=3",
            "[extension]", "count=4", "ex1=.txt", "ex2=.doc", "ex3=.*", "ex4=.表",
        }),
        "[Caption]\r\nForm=Menu\r\n[File]\r\nimage1=pic.ico\r\nimage2=pic.emf\r\n",
    };
    return bases;
}

Mutant Mutator::Layout(const std::string& base) {
    Mutant mutant{base, ""};
    size_t count = 1 + Below(3);
    for (size_t i = 0; i < count; ++i) {
        const NamedOperator& op = kOperators[Below(std::size(kOperators))];
        std::string detail = op.apply(*this, mutant.bytes);
        mutant.how += std::string(i ? "; " : "") + op.name + (detail.empty() ? "" : " " + detail);
    }
    return mutant;
}

}  // namespace robustness
