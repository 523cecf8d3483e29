#pragma once

namespace quillara {

// Local date and time as days since 1899-12-30, the fraction being the time of day.
class TClock {
public:
    virtual ~TClock() = default;
    virtual double now() const = 0;
};

class TSystemClock : public TClock {
public:
    double now() const override;
};

TClock& ProgramClock();
// Puts another clock in its place (nullptr restores the system clock). For tests.
void SetProgramClock(TClock* clock);

} // namespace quillara
