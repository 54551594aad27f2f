#pragma once

// While one lives, the process's standard error goes to /dev/null. libmdb reports what it does
// not understand there, once per value: millions of lines on a damaged file. The reader says
// what went wrong in one line of its own instead.
class QuietStandardError {
public:
    QuietStandardError();
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError &) = delete;
    QuietStandardError &operator=(const QuietStandardError &) = delete;

private:
    int m_saved = -1;
};
