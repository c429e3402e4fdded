// Random and mutated texts through the "Knots: " and "Degree:" notifications: the knot list
// never decreases and holds no non-finite value unless the text spelled one, the degree is at
// least 2, and the curve still redraws (TESSARY_FUZZ_TEXTS sets how many texts).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "BSpline.h"
#include "DrawingSceneFixture.h"
#include "GeneratorFactories.h"

namespace {

constexpr std::int32_t DEFAULT_TEXTS = 100000;
constexpr std::size_t BUFFER_SIZE = 256;  // what an edit box hands over

const char* const SEEDS[] = {"0, 1, 2, 3, 4, 5, 6, 7, 8, 9", "0 0 0 0 1 2 2 2 2", "-1, 0", "3, 2, 1",
                             "1e5, -3e-2, +7, .5", "nan, inf, -inf", "1e39, 1e-46, -0", "0x1p10 0x10",
                             "999999999999999999999999999999999999999999999", " ,\t\n\r", "12x", "-2147483649"};

class TextFuzzTest : public DrawingSceneFixture {
protected:
    TextFuzzTest() : random(7) {
        bspline = static_cast<BSpline*>(createBSpline(manager));
        for (std::int32_t i = 0; i < 8; ++i) clickIn(40 + 60 * i, i % 2 == 0 ? 60 : 300);
    }
    std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); }

    std::string mutated(std::string text) {
        for (std::size_t edits = below(6); edits > 0; --edits) {
            const std::size_t at = text.empty() ? 0 : below(text.size() + 1);
            switch (below(4)) {
            case 0: text.insert(at, 1, static_cast<char>(1 + below(255))); break;
            case 1: text.insert(at, std::string(",- .e0123456789")[below(15)] + std::string()); break;
            case 2:
                if (!text.empty()) text.erase(below(text.size()), 1 + below(4));
                break;
            default: text.insert(at, SEEDS[below(std::size(SEEDS))]); break;
            }
        }
        return text.substr(0, BUFFER_SIZE - 1);
    }
    // The notifications take over a 256-byte buffer, as the edit boxes hand it out.
    static char* buffer(const std::string& text) {
        char* copy = new char[BUFFER_SIZE];
        std::strcpy(copy, text.c_str());
        return copy;
    }
    // Letters or a digit run too long for a float are what can spell a non-finite number.
    static bool maySpellNonFinite(const std::string& text) {
        std::size_t run = 0;
        for (const char c : text) {
            if (std::strchr("nNiIeExXpPdD", c) != nullptr) return true;  // d: an exponent to msvcrt
            run = std::isdigit(static_cast<unsigned char>(c)) ? run + 1 : 0;
            if (run > 38) return true;
        }
        return false;
    }

    std::mt19937 random;
    BSpline* bspline = nullptr;
};

TEST_F(TextFuzzTest, AnyTextGivesANonDecreasingKnotListAndADegreeOfAtLeastTwo) {
    const char* setting = std::getenv("TESSARY_FUZZ_TEXTS");
    const std::int32_t texts = setting != nullptr ? std::atoi(setting) : DEFAULT_TEXTS;
    std::printf("fuzz: %d random and mutated texts\n", texts);
    std::string text = SEEDS[0];
    for (std::int32_t i = 0; i < texts; ++i) {
        text = mutated(below(8) == 0 ? std::string(SEEDS[below(std::size(SEEDS))]) : text);
        if (below(4) == 0) {
            BSpline::onDegreeEdited(bspline, buffer(text));
            ASSERT_GE(bspline->curve.degree(), 2) << text;
            continue;
        }
        BSpline::onKnotsEdited(bspline, buffer(text));
        const GrowArray<float>& knots = bspline->curve.knots();
        for (std::int32_t k = 0; k < knots.count(); ++k) {
            ASSERT_TRUE(std::isfinite(knots[k]) || maySpellNonFinite(text)) << "'" << text << "'";
            ASSERT_FALSE(k > 0 && knots[k] < knots[k - 1]) << "'" << text << "'";
        }
        if (i % 500 == 0) frameAt(0, 0);  // the curve redraws with whatever was read
    }
}

}  // namespace
