// The file's kind, its header, and the journal and log beside its real path.

#include "dao/DaoFileCheck.h"

#include "dao/DaoException.h"
#include "dao/DaoWriteAheadLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

[[noreturn]] void Refuse(const std::string& file, const std::string& what) {
    throw CDaoException(kDaoCannotRead, file + ": " + what);
}

// A file descriptor closed when it goes.
class OpenFile {
  public:
    explicit OpenFile(const std::string& path)
        : m_fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)),
          m_error(m_fd < 0 ? errno : 0) {}
    ~OpenFile() {
        if (m_fd >= 0) close(m_fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return m_fd; }
    int error() const { return m_error; } // why it could not be opened

  private:
    int m_fd;
    int m_error;
};

std::string ReadStart(int fd, std::size_t size) {
    std::string bytes(size, '\0');
    const ssize_t got = pread(fd, bytes.data(), size, 0);
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return bytes;
}

// The real path, every symbolic link resolved, or a refusal saying why there is none.
std::string RealPath(const std::string& file) {
    std::unique_ptr<char, decltype(&std::free)> real(realpath(file.c_str(), nullptr), &std::free);
    if (real) return real.get();
    const int error = errno;
    struct stat link {};
    switch (error) {
    case ENOENT:
        if (lstat(file.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
            Refuse(file, "unable to open database file: it is a symbolic link to a file that does "
                         "not exist.");
        Refuse(file, "unable to open database file: there is no such file.");
    case ELOOP:
        Refuse(file, "unable to open database file: its path is a loop of symbolic links.");
    case EACCES:
        Refuse(file, "unable to open database file: permission denied: the user may not "
                     "enter its folder.");
    case ENOMEM:
        throw std::bad_alloc();
    default:
        Refuse(file, std::string("unable to open database file: ") + std::strerror(error) + ".");
    }
}

// A regular file, not empty; or a refusal naming what it is.
void RequireRegularFile(const std::string& file, const std::string& real) {
    struct stat st {};
    if (stat(real.c_str(), &st) != 0)
        Refuse(file, std::string("unable to open database file: ") + std::strerror(errno) + ".");
    if (S_ISDIR(st.st_mode)) Refuse(file, "this is a folder, not a catalogue file.");
    if (S_ISFIFO(st.st_mode)) Refuse(file, "this is a named pipe (FIFO), not a catalogue file.");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        Refuse(file, "this is a device, not a catalogue file.");
    if (!S_ISREG(st.st_mode)) Refuse(file, "this is not a regular file, not a catalogue file.");
    if (st.st_size == 0) Refuse(file, "the file is empty (0 bytes), not a catalogue.");
}

// The 100-byte header of a database file: its signature, then fields whose
// values every file of this format holds; a newer format is told apart from a
// damaged header by those fields being sound.
void CheckHeader(const std::string& file, int fd) {
    constexpr std::size_t kSmallestFile = 512; // one page of the smallest size
    const std::string header = ReadStart(fd, 100);
    const auto byte = [&header](std::size_t at) { return static_cast<unsigned char>(header[at]); };
    struct stat st {};
    fstat(fd, &st);
    const std::string signature("SQLite format 3\0", 16);
    if (header.size() < signature.size() || header.compare(0, 16, signature) != 0)
        Refuse(file, "not a catalogue: the file is not a database file (it does not begin with "
                     "the database engine's signature).");
    if (static_cast<std::size_t>(st.st_size) < kSmallestFile)
        Refuse(file, "not a catalogue: the file holds " + std::to_string(st.st_size) +
                         " bytes, fewer than the smallest database file (512 bytes).");
    const unsigned pageField = (byte(16) << 8) | byte(17);
    const unsigned pageSize = pageField == 1 ? 65536 : pageField;
    const bool soundPageSize = pageSize >= 512 && (pageSize & (pageSize - 1)) == 0;
    if (!soundPageSize || byte(21) != 64 || byte(22) != 32 || byte(23) != 32 || byte(18) == 0 ||
        byte(19) == 0)
        Refuse(file, "not a catalogue: the file begins as a database file, but its header is "
                     "damaged.");
    const unsigned schemaFormat = (byte(44) << 24) | (byte(45) << 16) | (byte(46) << 8) | byte(47);
    if (byte(19) > 2 || schemaFormat > 4)
        Refuse(file, "the file is in a newer format of the database engine than this program "
                     "reads.");
}

// A regular file beside the catalogue, open, or none when there is no such
// file (nothing but a regular file is opened); a file the user may not read
// is refused with `what`.
std::unique_ptr<OpenFile> OpenBeside(const std::string& file, const std::string& path,
                                     const std::string& what) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size == 0) return nullptr;
    auto opened = std::make_unique<OpenFile>(path);
    if (opened->fd() < 0 && opened->error() != EACCES)
        Refuse(file, "the file has " + what + " beside it (" + path +
                         ") that could not be read: " + std::strerror(opened->error()) + ".");
    if (opened->fd() < 0)
        Refuse(file, "the file has " + what + " beside it (" + path +
                         ") that the user may not read, so whether it holds changes that are not "
                         "in the file yet cannot be known. Let the user read it, or open the "
                         "catalogue once in a database tool that may write its folder, then start "
                         "again.");
    return opened;
}

constexpr char kOpenOnceAdvice[] = "Open the catalogue once in a database tool that may write its "
                                   "folder, then start again.";

void CheckJournal(const std::string& file, const std::string& real) {
    const std::string journal = real + "-journal";
    const auto opened = OpenBeside(file, journal, "a rollback journal");
    if (!opened) return;
    const int fd = opened->fd();
    // A journal whose header is whole holds a transaction to roll back; one
    // whose header was zeroed or cut short at its end holds none.
    const char kJournalMagic[] = "\xd9\xd5\x05\xf9\x20\xa1\x63\xd7";
    const std::string start = ReadStart(fd, 28);
    if (start.size() == 28 && start.compare(0, 8, std::string(kJournalMagic, 8)) == 0)
        Refuse(file, "the file has unfinished changes in its rollback journal (a hot journal, " +
                         journal +
                         ") that cannot be rolled back without writing, and the catalogues are "
                         "never written. " +
                         kOpenOnceAdvice);
}

void CheckLog(const std::string& file, const std::string& real, int fileFd,
              std::chrono::steady_clock::time_point deadline) {
    const std::string log = real + "-wal";
    const auto opened = OpenBeside(file, log, "a write-ahead log");
    if (!opened) return;
    switch (ExamineWriteAheadLog(opened->fd(), fileFd, deadline).state) {
    case DaoLogState::NoChanges:
    case DaoLogState::FoldedIn:
        return;
    case DaoLogState::HoldsChanges:
        Refuse(file, "the file has changes in its write-ahead log (" + log +
                         ") that are not in the file yet, and reading them would mean writing "
                         "beside the catalogue. " +
                         kOpenOnceAdvice);
    case DaoLogState::UnknownVersion:
        Refuse(file, "the file has a write-ahead log beside it (" + log +
                         ") in a format this program does not read. " + kOpenOnceAdvice);
    case DaoLogState::Unreadable:
        Refuse(file, "the file's write-ahead log (" + log + ") could not be read.");
    case DaoLogState::TooSlow:
        Refuse(file, "reading the file's write-ahead log (" + log +
                         ") took longer than a catalogue may take to read.");
    }
}

} // namespace

std::string CheckDatabaseFile(const std::string& file,
                              std::chrono::steady_clock::time_point deadline) {
    const std::string real = RealPath(file);
    RequireRegularFile(file, real);
    const OpenFile opened(real);
    if (opened.fd() < 0)
        Refuse(file, opened.error() == EACCES ? "permission denied: the user may not read the file."
                                              : std::string("unable to read the file: ") +
                                                    std::strerror(opened.error()) + ".");
    CheckHeader(file, opened.fd());
    CheckJournal(file, real);
    CheckLog(file, real, opened.fd(), deadline);
    return real;
}
