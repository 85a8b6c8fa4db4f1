#pragma once

#include <optional>
#include <string>
#include <string_view>

// An address's query as browsers read and write it: the pages' links carry their settings there.
namespace worksheets {

// The value of the first parameter of that name in a query ("?code=..." or "code=..."), as
// URLSearchParams.get gives it: names and values percent-decoded, "+" a blank, a "%" not followed
// by two hex digits kept as it is; "" for a parameter without "=", none where it is absent.
std::optional<std::string> queryValue(std::string_view query, std::string_view name);

// The text with every byte but letters, digits and - . _ ~ written as %XX.
std::string percentEncoded(std::string_view text);

// The address without its query and fragment: "https://s.bg/p/sheet.html?code=X#k" gives
// "https://s.bg/p/sheet.html".
std::string_view withoutQuery(std::string_view address);

// The address of another file of the same folder: "https://s.bg/p/sheet.html?code=X" and
// "practice.html" give "https://s.bg/p/practice.html".
std::string addressBeside(std::string_view address, std::string_view file);

// Builds "?name=value&name=value", the values as given (percent-encode them first where needed).
class QueryWriter {
public:
    void add(std::string_view name, std::string_view value);
    const std::string& query() const { return query_; }

private:
    std::string query_ = "?";
};

}  // namespace worksheets
