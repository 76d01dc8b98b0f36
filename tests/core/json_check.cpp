#include "json_check.h"

#include <cctype>
#include <cstring>

namespace gravok::test {
namespace {

// A recursive-descent reader that only says whether the grammar holds.
class Reader {
public:
    explicit Reader(std::string_view t) : t_(t) {}

    bool document() { return value() && (skip(), p_ == t_.size()); }

private:
    void skip()
    {
        while (p_ < t_.size() && std::strchr(" \t\r\n", t_[p_]) && t_[p_] != '\0')
            ++p_;
    }
    bool eat(char c)
    {
        skip();
        if (p_ < t_.size() && t_[p_] == c) {
            ++p_;
            return true;
        }
        return false;
    }
    bool word(std::string_view w)
    {
        if (t_.substr(p_, w.size()) != w)
            return false;
        p_ += w.size();
        return true;
    }
    bool digits()
    {
        const std::size_t start = p_;
        while (p_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[p_])))
            ++p_;
        return p_ > start;
    }
    bool number()
    {
        if (p_ < t_.size() && t_[p_] == '-')
            ++p_;
        if (word("0")) {
            if (p_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[p_])))
                return false; // no leading zeros
        } else if (!digits()) {
            return false;
        }
        if (word(".") && !digits())
            return false;
        if (p_ < t_.size() && (t_[p_] == 'e' || t_[p_] == 'E')) {
            ++p_;
            if (p_ < t_.size() && (t_[p_] == '+' || t_[p_] == '-'))
                ++p_;
            return digits();
        }
        return true;
    }
    bool string()
    {
        if (!eat('"'))
            return false;
        while (p_ < t_.size() && t_[p_] != '"') {
            const auto c = static_cast<unsigned char>(t_[p_++]);
            if (c < 0x20)
                return false;
            if (c == '\\') {
                if (p_ >= t_.size() || !std::strchr("\"\\/bfnrtu", t_[p_]))
                    return false;
                if (t_[p_++] == 'u') {
                    for (int i = 0; i < 4; ++i)
                        if (p_ >= t_.size() || !std::isxdigit(static_cast<unsigned char>(t_[p_++])))
                            return false;
                }
            }
        }
        return eat('"');
    }
    template <typename Item>
    bool sequence(char close, Item item)
    {
        if (eat(close))
            return true;
        do {
            if (!item())
                return false;
        } while (eat(','));
        return eat(close);
    }
    bool value()
    {
        skip();
        if (p_ >= t_.size())
            return false;
        switch (t_[p_]) {
        case '{':
            ++p_;
            return sequence('}', [this] { return string() && eat(':') && value(); });
        case '[':
            ++p_;
            return sequence(']', [this] { return value(); });
        case '"':
            return string();
        case 't':
            return word("true");
        case 'f':
            return word("false");
        case 'n':
            return word("null");
        default:
            return number();
        }
    }

    std::string_view t_;
    std::size_t p_ = 0;
};

} // namespace

bool isJson(std::string_view text)
{
    return Reader(text).document();
}

} // namespace gravok::test
