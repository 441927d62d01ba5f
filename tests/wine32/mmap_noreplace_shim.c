/*
 * Preloaded into Wine's 32-bit loader when it runs under qemu-user (this
 * machine's kernel runs no 32-bit Linux programs itself). qemu-user 7.2
 * ignores MAP_FIXED_NOREPLACE and maps elsewhere instead of failing; Wine
 * then reserves its address space 64 KiB at a time and a start takes about
 * two minutes. Answering EEXIST, as the kernel does, brings it to seconds.
 *
 * Built with gcc -m32 -nostdlib: it calls the system directly and needs no
 * 32-bit C library to build. Test tooling, never part of the program.
 */
#define MAP_FIXED_NOREPLACE_FLAG 0x100000
#define SYS_OLD_MMAP 90
#define SYS_MUNMAP 91
#define EEXIST_CODE 17

extern int* __errno_location(void);

static long SystemCall2(long number, long a, long b)
{
    long result;
    __asm__ volatile("int $0x80" : "=a"(result) : "a"(number), "b"(a), "c"(b) : "memory");
    return result;
}

static void* Map(void* address, unsigned long length, int protection, int flags,
                 int file, unsigned long long offset)
{
    long arguments[6] = { (long)address, (long)length, protection, flags, file, (long)offset };
    long result = SystemCall2(SYS_OLD_MMAP, (long)arguments, 0);
    if ((unsigned long)result >= (unsigned long)-4095) {
        *__errno_location() = (int)-result;
        return (void*)-1;
    }
    if ((flags & MAP_FIXED_NOREPLACE_FLAG) && address && (void*)result != address) {
        SystemCall2(SYS_MUNMAP, result, (long)length);
        *__errno_location() = EEXIST_CODE;
        return (void*)-1;
    }
    return (void*)result;
}

void* mmap64(void* address, unsigned long length, int protection, int flags, int file,
             long long offset)
{
    return Map(address, length, protection, flags, file, (unsigned long long)offset);
}

void* mmap(void* address, unsigned long length, int protection, int flags, int file,
           long offset)
{
    return Map(address, length, protection, flags, file,
               (unsigned long long)(unsigned long)offset);
}
