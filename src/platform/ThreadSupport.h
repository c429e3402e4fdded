#pragma once
// Whether this build can start a second thread. The browser's program is built without
// threads (they need cross-origin isolation, which a plain web server does not give), and
// there starting one would abort the program instead of failing.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool THREADS_AVAILABLE = false;
#else
constexpr bool THREADS_AVAILABLE = true;
#endif
