// Defaults of the sanitizer build (make test runs the suite a second time with it): a finding
// stops the test with a stack trace, so it cannot pass unnoticed. UBSAN_OPTIONS and
// ASAN_OPTIONS in the environment still override these.

#if defined(__SANITIZE_ADDRESS__)
#define ZEL3_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEL3_SANITIZED 1
#endif
#endif

#ifdef ZEL3_SANITIZED
extern "C" const char* __asan_default_options() {
    return "detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:"
           "check_initialization_order=1";
}
extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}
#endif
