#include "support/GoldenTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "support/GoldenFile.h"

namespace {

// One line of a table; its first `inputs` values stand before "||".
struct Fields {
    std::vector<std::string> values;
    std::size_t inputs = 0;
};

bool IsComment(const std::string& line) { return line.empty() || line.front() == '#'; }

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The fields on one side of "||", without their quotes.
std::vector<std::string> Parts(const std::string& side) {
    std::vector<std::string> parts;
    std::istringstream in(side);
    for (std::string part; std::getline(in, part, '|');) {
        part = Trimmed(part);
        if (part.size() >= 2 && part.front() == '"' && part.back() == '"') part = part.substr(1, part.size() - 2);
        parts.push_back(part);
    }
    return parts;
}

Fields Split(const std::string& line) {
    const std::size_t divider = std::min(line.find("||"), line.size());
    Fields fields{Parts(line.substr(0, divider)), 0};
    fields.inputs = fields.values.size();
    for (const std::string& result : Parts(line.substr(std::min(divider + 2, line.size())))) {
        fields.values.push_back(result);
    }
    return fields;
}

std::string Joined(const std::vector<std::string>& values, std::size_t first) {
    std::string line;
    for (std::size_t i = first; i < values.size(); ++i) line += (i > first ? " | " : "") + values[i];
    return line;
}

// The row with the results computed from its inputs, or as written when they
// cannot be.
Fields Computed(const Fields& written, const std::vector<std::string>& header,
                const std::function<GoldenResults(const GoldenRow&)>& results) {
    Fields row = written;
    row.values.resize(row.inputs);
    try {
        const GoldenResults computed = results(GoldenRow(header, row.values));
        row.values.insert(row.values.end(), computed.begin(), computed.end());
    } catch (const GoldenRowSkipped& e) {
        std::cout << "skipped: " << e.what() << "\n";
        return written;
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
        return written;
    }
    return row;
}

}  // namespace

GoldenRow::GoldenRow(const std::vector<std::string>& columns, const std::vector<std::string>& inputs)
    : columns_(columns), inputs_(inputs) {}

const std::string& GoldenRow::Text(std::string_view column) const {
    const auto index = static_cast<std::size_t>(std::find(columns_.begin(), columns_.end(), column) - columns_.begin());
    if (index >= inputs_.size()) throw std::invalid_argument("no input column " + std::string(column));
    return inputs_[index];
}

std::int64_t GoldenRow::Int64(std::string_view column) const {
    std::size_t used = 0;
    const std::int64_t value = std::stoll(Text(column), &used);
    if (used != Text(column).size()) throw std::invalid_argument(std::string(column) + " is not a whole number");
    return value;
}

std::int32_t GoldenRow::Int(std::string_view column) const {
    const std::int64_t value = Int64(column);
    if (value != static_cast<std::int32_t>(value)) throw std::out_of_range(std::string(column) + " is over 32 bits");
    return static_cast<std::int32_t>(value);
}

void CheckGoldenTable(const std::string& name, const std::function<GoldenResults(const GoldenRow&)>& results) {
    std::ifstream in(GoldenPath(name), std::ios::binary);
    ASSERT_TRUE(in) << "missing " << name;
    std::vector<std::string> header;
    std::string differences;
    for (std::string line; std::getline(in, line);) {
        if (IsComment(line)) continue;
        if (header.empty()) {
            header = Split(line).values;
            continue;
        }
        SCOPED_TRACE(name + ": " + line);
        const Fields written = Split(line);
        const Fields computed = Computed(written, header, results);
        if (computed.values != written.values) {
            differences += line + "\n    computed: " + Joined(computed.values, computed.inputs) + "\n";
        }
    }
    EXPECT_TRUE(differences.empty()) << name << ": rows whose results differ from those computed\n" << differences;
}
