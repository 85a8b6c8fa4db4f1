#include "worksheets/query_text.h"

namespace worksheets {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string percentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            decoded += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
                   hexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

}  // namespace

std::optional<std::string> queryValue(std::string_view query, std::string_view name) {
    if (!query.empty() && query.front() == '?') {
        query.remove_prefix(1);
    }
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view parameter = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
        const std::size_t equals = parameter.find('=');
        if (percentDecoded(parameter.substr(0, equals)) == name) {
            return percentDecoded(equals == std::string_view::npos ? std::string_view()
                                                                   : parameter.substr(equals + 1));
        }
    }
    return std::nullopt;
}

std::string percentEncoded(std::string_view text) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
                                c == '~';
        if (unreserved) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0xF];
        }
    }
    return encoded;
}

std::string_view withoutQuery(std::string_view address) {
    return address.substr(0, address.find_first_of("?#"));
}

std::string addressBeside(std::string_view address, std::string_view file) {
    const std::string_view page = withoutQuery(address);
    std::string beside(page.substr(0, page.rfind('/') + 1));
    beside += file;
    return beside;
}

void QueryWriter::add(std::string_view name, std::string_view value) {
    // Appended piece by piece: GCC 12 warns falsely of overlapping copies in "&" + std::string.
    if (query_.size() > 1) {
        query_ += '&';
    }
    query_ += name;
    query_ += '=';
    query_ += value;
}

}  // namespace worksheets
