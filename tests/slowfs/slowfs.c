/*
 * A slow file system for tests and the bench: a read-only view of a folder
 * that waits a set time before each folder listing, as a share over a slow
 * link does, and optionally much longer in one named folder, as a share
 * that went away does. Lookups and attributes are not delayed and are kept
 * by the kernel for an hour: a listing under Wine looks up every entry, and
 * only the listing itself is to be slow.
 *
 *   slowfs SOURCE MOUNTPOINT [--delay-ms=N] [--block=NAME --block-ms=N] [FUSE options]
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
} options;

#define OPTION(t, p) {t, offsetof(struct options, p), 1}
static const struct fuse_opt option_spec[] = {
    OPTION("--delay-ms=%d", delay_ms), OPTION("--block=%s", block), OPTION("--block-ms=%d", block_ms), FUSE_OPT_END};

static void sleep_ms(int ms) {
    struct timespec t = {ms / 1000, (long)(ms % 1000) * 1000000L};
    while (ms > 0 && nanosleep(&t, &t) == -1 && errno == EINTR) {}
}

static void source_path(char out[PATH_MAX], const char *path) { snprintf(out, PATH_MAX, "%s%s", options.source, path); }

static void *slow_init(struct fuse_conn_info *conn, struct fuse_config *cfg) {
    (void)conn;
    cfg->entry_timeout = cfg->attr_timeout = cfg->negative_timeout = 3600;
    cfg->kernel_cache = 1;
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
    if ((fi->flags & O_ACCMODE) != O_RDONLY) return -EROFS;
    char full[PATH_MAX];
    source_path(full, path);
    int fd = open(full, O_RDONLY);
    if (fd == -1) return -errno;
    fi->fh = (uint64_t)fd;
    return 0;
}

static int slow_read(const char *path, char *buf, size_t size, off_t offset, struct fuse_file_info *fi) {
    (void)path;
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
    fuse_opt_add_arg(&args, "-oro,default_permissions");
    int result = fuse_main(args.argc, args.argv, &operations, NULL);
    fuse_opt_free_args(&args);
    return result;
}
