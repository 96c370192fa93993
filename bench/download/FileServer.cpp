// Serves one file for every GET on 127.0.0.1, streamed from the disk. Writes its port to the
// file given second, then serves until it is terminated.

#include <httplib.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FILE PORT-FILE\n", argv[0]);
        return 2;
    }
    const int fd = open(argv[1], O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || fstat(fd, &info) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    httplib::Server server;
    server.Get(".*", [&](const httplib::Request&, httplib::Response& response) {
        response.set_content_provider(
            size, "application/octet-stream",
            [fd](size_t offset, size_t length, httplib::DataSink& sink) {
                std::vector<char> chunk(std::min<size_t>(length, 1 << 20));
                const ssize_t n = pread(fd, chunk.data(), chunk.size(), offset);
                return n > 0 && sink.write(chunk.data(), n);
            });
    });
    const int port = server.bind_to_any_port("127.0.0.1");
    std::ofstream(argv[2]) << port << "\n";
    server.listen_after_bind();
    return 0;
}
