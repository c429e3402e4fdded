#include "Tokenizer.h"

#include <cstdlib>

bool Tokenizer::setText(const char* newText) {
    if (newText == nullptr) return false;
    if (*newText == '\0') {
        status_ = EMPTY_TEXT;
        return false;
    }
    text = newText;
    length = text.size();
    position = 0;
    status_ = READY;
    return true;
}

bool Tokenizer::addDelimiter(const char* delimiter) {
    if (delimiter == nullptr || *delimiter == '\0') return false;
    delimiters.emplace_back(delimiter);
    return true;
}

std::optional<std::string> Tokenizer::nextToken() {
    if (status_ != READY || delimiters.empty()) return std::nullopt;
    std::size_t i = position;
    while (i < length) {
        const std::size_t matched = delimiterAt(i);
        if (matched == 0) {
            ++i;
        } else if (i == position) {
            // A delimiter before the piece: skip it and look again from the first delimiter.
            position = i = i + matched;
        } else {
            std::string token = text.substr(position, i - position);
            position = i;  // the delimiter is skipped by the next call
            return token;
        }
    }
    status_ = END_OF_INPUT;
    if (position >= length) {
        position = length = 0;
        return std::nullopt;
    }
    std::string rest = text.substr(position, length - position);
    position = length = 0;
    return rest;
}

float Tokenizer::nextNumber() {
    const std::optional<std::string> token = nextToken();
    return token ? static_cast<float>(std::atof(token->c_str())) : 0.0f;
}

std::size_t Tokenizer::delimiterAt(std::size_t i) const {
    const std::string_view rest = std::string_view(text).substr(i, length - i);
    for (const std::string_view delimiter : delimiters)
        if (rest.compare(0, delimiter.size(), delimiter) == 0) return delimiter.size();
    return 0;
}
