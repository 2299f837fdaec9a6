#pragma once

// The hourglass while an operation runs. It is restored when the object goes
// out of scope, however the operation ends (a return, an early exit from a
// scan, an error). A pointer asked for while the hourglass shows already
// leaves it to the one that set it.
class BusyPointer
{
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    static bool isBusy();

    // Shows the normal pointer for a while (a message box waiting for the
    // operator) and puts the hourglass back afterwards.
    class Pause
    {
    public:
        Pause();
        ~Pause();
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        int m_suspended = 0;
    };

private:
    bool m_set = false;
};
