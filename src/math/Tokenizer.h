#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits one text into the pieces between delimiter occurrences, one piece per call. A run of
// delimiters separates like a single one, delimiters at either end give nothing, and no piece
// is ever empty. The last piece arrives together with the end-of-input status.
class Tokenizer {
public:
    enum Status : int {
        READY = 0,         // more pieces may follow
        END_OF_INPUT = 1,  // the text is used up
        EMPTY_TEXT = 4,    // setText was given an empty string
    };

    // False for a null text (nothing changes) and for an empty one (status EMPTY_TEXT).
    bool setText(const char* text);
    // The delimiter's characters are not copied: it must outlive the tokenizer. Delimiters are
    // tried in the order they were added. False, and nothing added, for a null or empty one.
    bool addDelimiter(const char* delimiter);

    std::optional<std::string> nextToken();
    // The next piece read as a decimal number (as atof reads it, narrowed to float); 0 when
    // there is no piece.
    float nextNumber();
    Status status() const { return status_; }

private:
    // The length of the first delimiter that stands at index i, or 0.
    std::size_t delimiterAt(std::size_t i) const;

    std::string text;
    std::size_t length = 0;  // 0 once the rest has been handed out
    std::size_t position = 0;
    Status status_ = READY;
    std::vector<std::string_view> delimiters;
};
