// Fixed-capacity single-byte strings: one length byte and N characters, as stored in the files.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace kx {

// Text is single-byte (Latin-1). Assignment cuts at N characters; the bytes after the text
// are kept zero so that files written from it are reproducible.
template <int N> class ShortString {
    static_assert(N >= 1 && N <= 255, "a short string holds 1..255 characters");

public:
    static constexpr int capacity = N;

    ShortString() = default;
    ShortString(std::string_view s) { assign(s); }
    ShortString(const char* s) { assign(std::string_view(s)); }
    ShortString(const std::string& s) { assign(std::string_view(s)); }

    ShortString& operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    ShortString& operator=(const char* s) { return *this = std::string_view(s); }
    ShortString& operator=(const std::string& s) { return *this = std::string_view(s); }

    int length() const { return len_; }
    bool empty() const { return len_ == 0; }
    std::string str() const { return std::string(chars_.data(), len_); }
    operator std::string() const { return str(); }
    std::string_view view() const { return std::string_view(chars_.data(), len_); }

    bool operator==(const ShortString& o) const { return view() == o.view(); }
    bool operator==(std::string_view s) const { return view() == s; }
    bool operator==(const char* s) const { return view() == std::string_view(s); }

    // Empties the n strings from `first` on in one move: an empty string is all zero bytes.
    static void Clear(ShortString* first, std::size_t n) {
        static_assert(std::is_trivially_copyable_v<ShortString> && sizeof(ShortString) == N + 1);
        std::memset(static_cast<void*>(first), 0, n * sizeof(ShortString));
    }

    // The stored image: length byte then all N characters (N + 1 bytes).
    static constexpr int byteSize = N + 1;
    void toBytes(std::uint8_t* out) const {
        out[0] = len_;
        std::copy(chars_.begin(), chars_.end(), reinterpret_cast<char*>(out + 1));
    }
    // A length byte above the capacity (only in a damaged file) is held to the capacity;
    // the bytes after the text are not significant and are cleared.
    void fromBytes(const std::uint8_t* in) {
        int len = std::min<int>(in[0], N);
        assign(std::string_view(reinterpret_cast<const char*>(in + 1), static_cast<std::size_t>(len)));
    }

private:
    void assign(std::string_view s) {
        len_ = static_cast<std::uint8_t>(std::min<std::size_t>(s.size(), N));
        chars_.fill('\0');
        std::copy_n(s.data(), len_, chars_.begin());
    }

    std::uint8_t len_ = 0;
    std::array<char, N> chars_{};
};

template <int N> std::string operator+(const std::string& a, const ShortString<N>& b) { return a + b.str(); }
template <int N> std::string operator+(const ShortString<N>& a, const std::string& b) { return a.str() + b; }
template <int N> std::string operator+(const char* a, const ShortString<N>& b) {
    return std::string(a) + b.str();
}
template <int N> std::string operator+(const ShortString<N>& a, const char* b) { return a.str() + b; }

} // namespace kx
