#pragma once
// The time bounds with which tests rule out unbounded or quadratic work.
// Under the sanitizers (build-asan) every memory access is checked and the
// same work takes about three times as long: the bounds stretch with it.

#include <QtGlobal>

namespace testsupport {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr qint64 sanitizerSlowdown = 3;
#else
inline constexpr qint64 sanitizerSlowdown = 1;
#endif

constexpr qint64 timeBound(qint64 milliseconds) { return milliseconds * sanitizerSlowdown; }

} // namespace testsupport
