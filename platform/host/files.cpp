// File services: plain files through stdio, temporary names, and the host's
// file resolution, which knows "virtual" files that live only inside the
// program. For those the host prepares a real file the engine can open.
#include "host.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <unistd.h>

struct KsFile {
    FILE *fp;
};

namespace host {
namespace {

std::map<std::string, std::string> g_virtual; // name -> contents

const std::string *find_virtual(const char *name)
{
    auto it = g_virtual.find(name ? name : "");
    return it == g_virtual.end() ? nullptr : &it->second;
}

KsFile *open(const char *name, int mode)
{
    if (!name) return nullptr;
    FILE *fp = nullptr;
    const std::string *data = find_virtual(name);
    if (data) {
        if (mode != KS_FILE_READ && mode != KS_FILE_READ_SHARED) return nullptr; // virtual files are read-only
        // An empty buffer cannot back a memory stream; an empty temporary file stands in.
        fp = data->empty() ? std::tmpfile() : fmemopen(const_cast<char *>(data->data()), data->size(), "rb");
    } else {
        switch (mode) {
        case KS_FILE_READ:
        case KS_FILE_READ_SHARED: fp = std::fopen(name, "rb"); break;
        case KS_FILE_WRITE: fp = std::fopen(name, "wb"); break;
        default: return nullptr;
        }
    }
    if (!fp) return nullptr;
    auto *f = static_cast<KsFile *>(alloc_mem(sizeof(KsFile), 1, "file"));
    if (!f) {
        std::fclose(fp);
        return nullptr;
    }
    f->fp = fp;
    return f;
}

void close(KsFile *f)
{
    if (!f) return;
    std::fclose(f->fp);
    free_mem(f);
}

int64_t read(KsFile *f, void *buf, int64_t n)
{
    return f && n > 0 ? int64_t(std::fread(buf, 1, size_t(n), f->fp)) : 0;
}

int64_t write(KsFile *f, const void *buf, int64_t n)
{
    return f && n > 0 ? int64_t(std::fwrite(buf, 1, size_t(n), f->fp)) : 0;
}

int64_t seek(KsFile *f, int64_t pos, int mode)
{
    if (!f) return -1;
    long previous = std::ftell(f->fp);
    int whence = mode == KS_SEEK_START ? SEEK_SET : mode == KS_SEEK_END ? SEEK_END : SEEK_CUR;
    if (std::fseek(f->fp, long(pos), whence) != 0) return -1;
    return previous;
}

int atEnd(KsFile *f)
{
    if (!f) return 1;
    int c = std::fgetc(f->fp);
    if (c == EOF) return 1;
    std::ungetc(c, f->fp);
    return 0;
}

// Creates an empty file under a unique name, so that no one else can take it.
int tempName(char *buffer, size_t size)
{
    const char *dir = std::getenv("TMPDIR");
    char path[1024];
    std::snprintf(path, sizeof path, "%s/kestrune-XXXXXX", dir && *dir ? dir : "/tmp");
    int fd = mkstemp(path);
    if (fd < 0) return KS_ERR_WRITE_FILE;
    ::close(fd);
    if (std::strlen(path) >= size) {
        ::unlink(path);
        return KS_ERR_USAGE;
    }
    std::memcpy(buffer, path, std::strlen(path) + 1);
    return 0;
}

int removeFile(const char *name) { return name && std::remove(name) == 0 ? 0 : KS_ERR_WRITE_FILE; }

int resolveFile(KsFileRequest *r)
{
    if (!r || !r->name) return KS_ERR_USAGE;
    r->special = find_virtual(r->name) ? 1 : 0;
    r->state = nullptr;
    return 0;
}

// Writes a virtual file's contents to a temporary file and names it in the request's buffer.
int prepareFile(KsFileRequest *r)
{
    const std::string *data = r ? find_virtual(r->name) : nullptr;
    if (!data || !r->buffer) return KS_ERR_USAGE;
    char path[1024];
    int err = tempName(path, sizeof path);
    if (err) return err;
    if (std::strlen(path) >= r->bufferSize) {
        std::remove(path);
        return KS_ERR_USAGE;
    }
    FILE *fp = std::fopen(path, "wb");
    bool ok = fp && std::fwrite(data->data(), 1, data->size(), fp) == data->size();
    if (fp && std::fclose(fp) != 0) ok = false;
    if (!ok) {
        std::remove(path);
        set_error_string(path);
        return KS_ERR_WRITE_FILE;
    }
    std::memcpy(r->buffer, path, std::strlen(path) + 1);
    r->state = r->buffer; // marks that a prepared file exists
    return 0;
}

void releaseFile(KsFileRequest *r)
{
    if (!r || !r->state) return;
    std::remove(r->buffer);
    r->state = nullptr;
}

} // namespace

void define_virtual_file(const std::string &name, const std::string &data) { g_virtual[name] = data; }
void release_virtual_files() { g_virtual.clear(); }

const KsFileServices file_services = {
    open, close, read, write, seek, atEnd, tempName, removeFile, resolveFile, prepareFile, releaseFile,
};

} // namespace host
