// The program is built without exceptions: nothing in it could catch one, so a failed
// allocation or a broken container invariant ends the process whichever way it is reported.
// These definitions end it directly. They take the place of the C++ library's throwing
// versions, and with those of its exception classes, unwinder and thread library, which would
// otherwise make up two thirds of the executable. The linker fails on a duplicate definition
// if the library's own versions are ever pulled in after all.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
  std::abort();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace std {
[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { std::abort(); }
[[noreturn]] void __throw_bad_optional_access() { std::abort(); }
[[noreturn]] void __throw_bad_variant_access(const char*) { std::abort(); }
[[noreturn]] void __throw_bad_variant_access(bool) { std::abort(); }
}  // namespace std
