/* Preloaded into the wineserver, which opens and renames files for every Wine program. Running as
 * root it may write to a file whose write permission bits are all clear (Wine's read-only
 * attribute), where Windows refuses: opening such a file for writing and renaming another file
 * over it fail here with EACCES, which the server reports as access denied. New files are
 * created as before, read-only ones too. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <sys/stat.h>

static int without_write_permission(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

static int opens_for_writing(int flags) {
    return (flags & O_ACCMODE) != O_RDONLY || (flags & O_TRUNC);
}

int open(const char *path, int flags, ...) {
    static int (*real_open)(const char *, int, ...);
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list args;
        va_start(args, flags);
        mode = (mode_t)va_arg(args, int);
        va_end(args);
    }
    if (!real_open) real_open = (int (*)(const char *, int, ...))dlsym(RTLD_NEXT, "open");
    if (opens_for_writing(flags) && without_write_permission(path)) {
        errno = EACCES;
        return -1;
    }
    return real_open(path, flags, mode);
}

int rename(const char *from, const char *to) {
    static int (*real_rename)(const char *, const char *);
    if (!real_rename) real_rename = (int (*)(const char *, const char *))dlsym(RTLD_NEXT, "rename");
    if (without_write_permission(to)) {
        errno = EACCES;
        return -1;
    }
    return real_rename(from, to);
}
