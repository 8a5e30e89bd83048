/*
 * A slow file system for tests and the bench: a read-only view of a folder
 * that waits a set time before each folder listing, as a share over a slow
 * link does, and optionally much longer in one named folder, as a share
 * that went away does. Lookups and attributes are not delayed and are kept
 * by the kernel for an hour: a listing under Wine looks up every entry, and
 * only the listing itself is to be slow.
 *
 *   slowfs SOURCE MOUNTPOINT [--delay-ms=N] [--block=NAME --block-ms=N] [FUSE options]
 *   slowfs SOURCE MOUNTPOINT --full-bytes=N [--fail-rename] [FUSE options]
 *   slowfs SOURCE MOUNTPOINT --fail-read-at=N [FUSE options]
 *
 * With --full-bytes it is instead a writable view that stands for a volume
 * with almost no room left: a write that would take a file past N bytes
 * fails with ENOSPC, having written what fits, as a full disk does. With
 * --fail-rename every rename fails too (EIO), as on a share that went away
 * between a write and its rename. Nothing is cached then: every attribute
 * is read afresh.
 *
 * With --fail-read-at a read of a file reaching past its first N bytes
 * fails (EIO), as on a stick pulled out or a share gone while a file is read.
 *
 * Runs in the foreground (-f is added); fusermount3 -u MOUNTPOINT ends it.
 */
#define FUSE_USE_VERSION 31
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <limits.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

static struct options {
    const char *source;
    int delay_ms;
    const char *block;  /* a folder name: listing it takes block_ms */
    int block_ms;
    int full_bytes;  /* > 0: writable, and no file grows past this */
    int fail_rename;
    int fail_read_at;  /* > 0: reads reaching past this fail */
} options;

#define OPTION(t, p) {t, offsetof(struct options, p), 1}
static const struct fuse_opt option_spec[] = {
    OPTION("--delay-ms=%d", delay_ms), OPTION("--block=%s", block), OPTION("--block-ms=%d", block_ms),
    OPTION("--full-bytes=%d", full_bytes), OPTION("--fail-rename", fail_rename),
    OPTION("--fail-read-at=%d", fail_read_at), FUSE_OPT_END};

static int writable(void) { return options.full_bytes > 0; }

static void sleep_ms(int ms) {
    struct timespec t = {ms / 1000, (long)(ms % 1000) * 1000000L};
    while (ms > 0 && nanosleep(&t, &t) == -1 && errno == EINTR) {}
}

static void source_path(char out[PATH_MAX], const char *path) { snprintf(out, PATH_MAX, "%s%s", options.source, path); }

static void *slow_init(struct fuse_conn_info *conn, struct fuse_config *cfg) {
    (void)conn;
    cfg->entry_timeout = cfg->attr_timeout = cfg->negative_timeout = writable() ? 0 : 3600;
    cfg->kernel_cache = !writable();
    cfg->use_ino = 0;
    return NULL;
}

static int slow_getattr(const char *path, struct stat *st, struct fuse_file_info *fi) {
    (void)fi;
    char full[PATH_MAX];
    source_path(full, path);
    return lstat(full, st) == -1 ? -errno : 0;
}

static int slow_readdir(const char *path, void *buf, fuse_fill_dir_t filler, off_t offset, struct fuse_file_info *fi,
                        enum fuse_readdir_flags flags) {
    (void)offset, (void)fi, (void)flags;
    const char *name = strrchr(path, '/');
    const int blocked = options.block && name && strcmp(name + 1, options.block) == 0;
    sleep_ms(blocked ? options.block_ms : options.delay_ms);
    char full[PATH_MAX];
    source_path(full, path);
    DIR *dir = opendir(full);
    if (!dir) return -errno;
    for (struct dirent *entry; (entry = readdir(dir));) {
        struct stat st = {0};
        st.st_ino = entry->d_ino;
        st.st_mode = (mode_t)DTTOIF(entry->d_type);
        if (filler(buf, entry->d_name, &st, 0, 0)) break;
    }
    closedir(dir);
    return 0;
}

static int slow_open(const char *path, struct fuse_file_info *fi) {
    if (!writable() && (fi->flags & O_ACCMODE) != O_RDONLY) return -EROFS;
    char full[PATH_MAX];
    source_path(full, path);
    int fd = open(full, fi->flags & ~(O_CREAT | O_EXCL));
    if (fd == -1) return -errno;
    fi->fh = (uint64_t)fd;
    return 0;
}

static int slow_read(const char *path, char *buf, size_t size, off_t offset, struct fuse_file_info *fi) {
    (void)path;
    if (options.fail_read_at > 0 && offset + (off_t)size > options.fail_read_at) return -EIO;
    ssize_t n = pread((int)fi->fh, buf, size, offset);
    return n == -1 ? -errno : (int)n;
}

static int slow_release(const char *path, struct fuse_file_info *fi) {
    (void)path;
    close((int)fi->fh);
    return 0;
}

static int slow_readlink(const char *path, char *buf, size_t size) {
    char full[PATH_MAX];
    source_path(full, path);
    ssize_t n = readlink(full, buf, size - 1);
    if (n == -1) return -errno;
    buf[n] = '\0';
    return 0;
}

/* The writable view: a file keeps what fits in full_bytes, the rest fails. */
static int full_create(const char *path, mode_t mode, struct fuse_file_info *fi) {
    char full[PATH_MAX];
    source_path(full, path);
    int fd = open(full, fi->flags | O_CREAT, mode);
    if (fd == -1) return -errno;
    fi->fh = (uint64_t)fd;
    return 0;
}

static int full_write(const char *path, const char *buf, size_t size, off_t offset, struct fuse_file_info *fi) {
    (void)path;
    size_t room = offset >= options.full_bytes ? 0 : (size_t)(options.full_bytes - offset);
    size_t fits = size < room ? size : room;
    if (fits == 0 && size > 0) return -ENOSPC;
    ssize_t n = pwrite((int)fi->fh, buf, fits, offset);
    return n == -1 ? -errno : (int)n;
}

static int full_truncate(const char *path, off_t size, struct fuse_file_info *fi) {
    if (size > options.full_bytes) return -ENOSPC;
    if (fi) return ftruncate((int)fi->fh, size) == -1 ? -errno : 0;
    char full[PATH_MAX];
    source_path(full, path);
    return truncate(full, size) == -1 ? -errno : 0;
}

static int full_unlink(const char *path) {
    char full[PATH_MAX];
    source_path(full, path);
    return unlink(full) == -1 ? -errno : 0;
}

static int full_rename(const char *from, const char *to, unsigned int flags) {
    if (options.fail_rename || flags) return options.fail_rename ? -EIO : -EINVAL;
    char a[PATH_MAX], b[PATH_MAX];
    source_path(a, from);
    source_path(b, to);
    return rename(a, b) == -1 ? -errno : 0;
}

static int full_chmod(const char *path, mode_t mode, struct fuse_file_info *fi) {
    (void)fi;
    char full[PATH_MAX];
    source_path(full, path);
    return chmod(full, mode) == -1 ? -errno : 0;
}

static int full_utimens(const char *path, const struct timespec tv[2], struct fuse_file_info *fi) {
    (void)fi;
    char full[PATH_MAX];
    source_path(full, path);
    return utimensat(AT_FDCWD, full, tv, AT_SYMLINK_NOFOLLOW) == -1 ? -errno : 0;
}

static int full_fsync(const char *path, int datasync, struct fuse_file_info *fi) {
    (void)path, (void)datasync;
    return fsync((int)fi->fh) == -1 ? -errno : 0;
}

static const struct fuse_operations operations = {
    .init = slow_init,
    .getattr = slow_getattr,
    .readdir = slow_readdir,
    .open = slow_open,
    .read = slow_read,
    .release = slow_release,
    .readlink = slow_readlink,
};

int main(int argc, char *argv[]) {
    struct fuse_args args = FUSE_ARGS_INIT(argc, argv);
    if (fuse_opt_parse(&args, &options, option_spec, NULL) == -1) return 1;
    /* The first free argument is the source; the rest is FUSE's. */
    if (args.argc < 3) {
        fprintf(stderr, "usage: slowfs SOURCE MOUNTPOINT [--delay-ms=N] [--block=NAME --block-ms=N]\n");
        return 1;
    }
    static char source[PATH_MAX];
    if (!realpath(args.argv[1], source)) {
        perror(args.argv[1]);
        return 1;
    }
    options.source = source;
    for (int i = 1; i < args.argc - 1; ++i) args.argv[i] = args.argv[i + 1];
    args.argc--;
    fuse_opt_add_arg(&args, "-f");
    fuse_opt_add_arg(&args, writable() ? "-odefault_permissions" : "-oro,default_permissions");
    struct fuse_operations ops = operations;
    if (writable()) {
        ops.create = full_create;
        ops.write = full_write;
        ops.truncate = full_truncate;
        ops.unlink = full_unlink;
        ops.rename = full_rename;
        ops.chmod = full_chmod;
        ops.utimens = full_utimens;
        ops.fsync = full_fsync;
    }
    int result = fuse_main(args.argc, args.argv, &ops, NULL);
    fuse_opt_free_args(&args);
    return result;
}
