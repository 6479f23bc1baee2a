// The bounded, exact reader of files and standard input: what it reads, and
// each kind of input it refuses, with the problem it names.
#include "form/text_input.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using bazi::readTextInput;
using bazi::TextInputError;
using bazi::TextInputProblem;

// A scratch folder of its own per test process, removed afterwards.
class TextInput : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("bazi_text_input_test." + std::to_string(getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path write(const std::string& name, const std::string& bytes) const {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path m_dir;
};

// Standard input taken from a file for one scope.
class StandardInputFrom {
public:
    explicit StandardInputFrom(const fs::path& path) : m_saved(dup(STDIN_FILENO)) {
        const int fd = open(path.c_str(), O_RDONLY);
        dup2(fd, STDIN_FILENO);
        close(fd);
    }
    ~StandardInputFrom() {
        dup2(m_saved, STDIN_FILENO);
        close(m_saved);
    }
    StandardInputFrom(const StandardInputFrom&) = delete;
    StandardInputFrom& operator=(const StandardInputFrom&) = delete;

private:
    int m_saved;
};

// The problem readTextInput reports, with its message, or nothing when it reads.
struct Outcome {
    std::optional<TextInputProblem> problem;
    std::string message;
};

Outcome readOutcome(const std::string& path, std::size_t maxBytes) {
    try {
        (void)readTextInput(path, maxBytes);
        return {};
    } catch (const TextInputError& e) {
        return {e.problem(), e.what()};
    }
}

TEST_F(TextInput, ReadsAFileOrStandardInputWhole) {
    const std::string text = "{\"date\": \"2016-03-16\", \"note\": \"金水\"}\n";
    const fs::path path = write("form.json", text);
    EXPECT_EQ(readTextInput(path.string(), 100), text);
    EXPECT_EQ(readTextInput(path.string(), text.size()), text); // exactly the bound
    const fs::path link = m_dir / "link.json";
    fs::create_symlink(path, link);
    EXPECT_EQ(readTextInput(link.string(), 100), text);
    const StandardInputFrom input(path);
    EXPECT_EQ(readTextInput("-", 100), text);
}

TEST_F(TextInput, RefusalsSayWhatHappened) {
    const fs::path big = write("big.json", std::string(1001, '['));
    const fs::path fifo = m_dir / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path toDevice = m_dir / "zero.json";
    fs::create_symlink("/dev/zero", toDevice);
    const struct {
        std::string path;
        TextInputProblem problem;
        std::string message;
    } cases[] = {
        {(m_dir / "missing.json").string(), TextInputProblem::notFound, "no such file"},
        {(m_dir / "big.json" / "x").string(), TextInputProblem::notFound, "no such file"},
        {"", TextInputProblem::notFound, "\"\": cannot open: no such file; check the path"},
        {std::string("big.json\0x", 10), TextInputProblem::notFound, "no such file"},
        {m_dir.string(), TextInputProblem::notARegularFile, "is a directory, not a file"},
        {"/dev/zero", TextInputProblem::notARegularFile,
         "\"/dev/zero\": is not a regular file (a device, pipe or socket)"},
        {toDevice.string(), TextInputProblem::notARegularFile, "is not a regular file"},
        {fifo.string(), TextInputProblem::notARegularFile, "is not a regular file"},
        {big.string(), TextInputProblem::tooLarge,
         "is larger than 1000 bytes, the most this input may hold"},
        {"/proc/self/mem", TextInputProblem::unreadable,
         "\"/proc/self/mem\": cannot be read: Input/output error"},
        {write("nul.json", std::string("{\"date\":\"2021-09-10\"}\0garbage{{{", 32)).string(),
         TextInputProblem::nulByte, "holds a NUL byte at byte 22; it is not text"},
        {write("latin1.json", "{\"note\": \"caf\xe9\"}").string(), TextInputProblem::notUtf8,
         "is not UTF-8 text: byte 14 (0xe9) does not begin or continue a well-formed character"},
        {write("cut.json", "\"\xe9\x87").string(), TextInputProblem::notUtf8, "byte 2 (0xe9)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const Outcome outcome = readOutcome(c.path, 1000);
        EXPECT_EQ(outcome.problem, c.problem);
        EXPECT_NE(outcome.message.find(c.message), std::string::npos) << outcome.message;
    }
}

TEST_F(TextInput, StandardInputIsReadOnlyOneBytePastTheBound) {
    // /dev/zero never ends: the reader stops past the bound instead of reading on.
    {
        const StandardInputFrom input("/dev/zero");
        const Outcome outcome = readOutcome("-", 1 << 20);
        EXPECT_EQ(outcome.problem, TextInputProblem::tooLarge);
        EXPECT_EQ(outcome.message,
                  "standard input: is larger than 1048576 bytes, the most this input may hold");
    }
    {
        const StandardInputFrom input(m_dir);
        EXPECT_EQ(readOutcome("-", 100).problem, TextInputProblem::unreadable); // a directory
    }
    {
        const StandardInputFrom input(write("nul.json", std::string("ab\0", 3)));
        EXPECT_EQ(readOutcome("-", 100).message,
                  "standard input: holds a NUL byte at byte 3; it is not text");
    }
}

TEST_F(TextInput, APathIsQuotedEscapedInTheMessage) {
    const Outcome outcome = readOutcome((m_dir / "a\nb\x1b[2J").string(), 100);
    EXPECT_EQ(outcome.problem, TextInputProblem::notFound);
    EXPECT_EQ(outcome.message.find('\n'), std::string::npos);
    EXPECT_EQ(outcome.message.find('\x1b'), std::string::npos);
    EXPECT_NE(outcome.message.find("a\\nb\\u001b[2J"), std::string::npos) << outcome.message;
}

TEST(TextInputCheck, TextsFromElsewhereGetTheSameChecks) {
    EXPECT_NO_THROW(bazi::checkTextInput("金", 3, "x"));
    EXPECT_THROW(bazi::checkTextInput("金", 2, "x"), TextInputError);
    EXPECT_THROW(bazi::checkTextInput(std::string("a\0", 2), 10, "x"), TextInputError);
    EXPECT_THROW(bazi::checkTextInput("\xe9", 10, "x"), TextInputError);
}

} // namespace
