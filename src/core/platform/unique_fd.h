#pragma once

#include <utility>

namespace quillara {

// Owns a file descriptor and closes it once, when it is let go.
class TUniqueFd {
public:
    TUniqueFd() = default;
    explicit TUniqueFd(int fd) : Fd(fd) {}
    TUniqueFd(TUniqueFd&& other) noexcept : Fd(std::exchange(other.Fd, -1)) {}
    TUniqueFd& operator=(TUniqueFd&& other) noexcept {
        if (this != &other) {
            reset();
            Fd = std::exchange(other.Fd, -1);
        }
        return *this;
    }
    TUniqueFd(const TUniqueFd&) = delete;
    TUniqueFd& operator=(const TUniqueFd&) = delete;
    ~TUniqueFd() { reset(); }

    int get() const { return Fd; }
    explicit operator bool() const { return Fd >= 0; }
    void reset();

private:
    int Fd = -1;
};

} // namespace quillara
