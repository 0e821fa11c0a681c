#pragma once
// Worked examples kept as a table in a golden file: a header line naming the
// columns, then one row a line, the inputs first and after "||" the results,
// fields parted by "|":
//
//     day | years || soldier | cosmo
//     0   | 0     || ２等兵  | 素粒子
//
// A field is trimmed of blanks unless it stands in double quotes ("" is the
// empty text); no field holds a "|". Lines starting with "#" are comments.
// The test computes each row's results from its inputs and fails with the
// rows whose results differ. The results are written from the rules, by hand:
// unlike the face's snapshot, no variable writes them from what the code
// computes.

#include <concepts>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// One row's inputs, by column name.
class GoldenRow {
public:
    GoldenRow(const std::vector<std::string>& columns, const std::vector<std::string>& inputs);

    [[nodiscard]] const std::string& Text(std::string_view column) const;
    [[nodiscard]] std::int64_t Int64(std::string_view column) const;
    [[nodiscard]] std::int32_t Int(std::string_view column) const;

private:
    const std::vector<std::string>& columns_;
    const std::vector<std::string>& inputs_;
};

using GoldenResults = std::vector<std::string>;

// A result as the table writes it: a whole number in decimal, a truth as
// "yes" or "no", a text as it is.
template <typename Value>
std::string Written(const Value& value) {
    if constexpr (std::same_as<Value, bool>) {
        return value ? "yes" : "no";
    } else if constexpr (std::integral<Value>) {
        return std::to_string(value);
    } else {
        return std::string(value);
    }
}

template <typename... Values>
GoldenResults Results(const Values&... values) {
    return {Written(values)...};
}

// Thrown by `results` for a row that cannot run here (it is reported and
// stays as written).
struct GoldenRowSkipped : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// name: the file under tests/golden/. A failed expectation inside `results`
// names the row it was computing.
void CheckGoldenTable(const std::string& name, const std::function<GoldenResults(const GoldenRow&)>& results);
