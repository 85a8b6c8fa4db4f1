#include "worksheets/typed_text.h"

#include <array>

namespace worksheets {

namespace {

struct KnownBlank {
    std::string_view text;
    BlankKind kind;
};

constexpr std::array<KnownBlank, 11> kBlanks = {{
    {" ", BlankKind::kSpace},
    {"\u00A0", BlankKind::kSpace},
    {"\u202F", BlankKind::kSpace},
    {"\u2009", BlankKind::kSpace},
    {"\u2007", BlankKind::kSpace},
    {"\t", BlankKind::kTab},
    {"\u200B", BlankKind::kInvisible},
    {"\u2060", BlankKind::kInvisible},
    {"\uFEFF", BlankKind::kInvisible},
    {"\n", BlankKind::kLineBreak},
    {"\r", BlankKind::kLineBreak},
}};

const KnownBlank* blankAt(std::string_view text, bool atEnd) {
    for (const KnownBlank& blank : kBlanks) {
        if (atEnd ? text.ends_with(blank.text) : text.starts_with(blank.text)) {
            return &blank;
        }
    }
    return nullptr;
}

}  // namespace

Utf8Character firstUtf8Character(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead < 0x80) {
        return {1, lead};
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return {};
    }
    if (text.size() < length) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return {};
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    constexpr std::array<std::uint32_t, 5> kLeast{0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kLeast[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {};
    }
    return {length, codePoint};
}

BlankKind TypedText::blankAtStart() const {
    const KnownBlank* blank = blankAt(rest_, false);
    return blank != nullptr ? blank->kind : BlankKind::kNone;
}

TypedText& TypedText::trim() {
    while (const KnownBlank* blank = blankAt(rest_, false)) {
        rest_.remove_prefix(blank->text.size());
    }
    while (const KnownBlank* blank = blankAt(rest_, true)) {
        rest_.remove_suffix(blank->text.size());
    }
    return *this;
}

bool TypedText::skipBlank() {
    const BlankKind kind = blankAtStart();
    return kind != BlankKind::kLineBreak && skipBlank(kind);
}

bool TypedText::skipBlank(BlankKind kind) {
    const KnownBlank* blank = blankAt(rest_, false);
    if (blank == nullptr || blank->kind != kind) {
        return false;
    }
    rest_.remove_prefix(blank->text.size());
    return true;
}

void TypedText::skipBlanks() {
    while (skipBlank()) {
    }
}

std::string_view TypedText::takeDigits() {
    std::size_t count = 0;
    while (count < rest_.size() && isDigit(rest_[count])) {
        ++count;
    }
    const std::string_view digits = rest_.substr(0, count);
    rest_.remove_prefix(count);
    return digits;
}

bool TypedText::take(char c) {
    if (rest_.empty() || rest_.front() != c) {
        return false;
    }
    rest_.remove_prefix(1);
    return true;
}

bool TypedText::take(std::string_view text) {
    if (text.empty() || !rest_.starts_with(text)) {
        return false;
    }
    rest_.remove_prefix(text.size());
    return true;
}

bool TypedText::takeAnyOf(std::span<const std::string_view> tokens) {
    for (const std::string_view token : tokens) {
        if (take(token)) {
            return true;
        }
    }
    return false;
}

Utf8Character TypedText::takeCharacter() {
    const Utf8Character character = firstUtf8Character(rest_);
    rest_.remove_prefix(character.length > 0 ? character.length : 1);
    return character;
}

}  // namespace worksheets
