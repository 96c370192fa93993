// The demo login site, on 127.0.0.1. Usage:
//   tarnwick-demo-site [--port N] [--root DIR]
// --port: the port to listen on (default 8047; 0 picks a free one). --root: the folder the
// downloads are taken from; the launcher download serves DIR/tarnwick-demo-game (default: the
// folder the demo game launcher was built into). The first line on standard output says where
// the site listens.

#include "tools/common/EmbeddedFiles.h"
#include "tools/demo-site/LoginService.h"

#include <httplib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pthread.h>
#include <sstream>
#include <string>
#include <thread>

TARNWICK_DECLARE_EMBEDDED_FILES(demo_site)

namespace {

constexpr const char* kLauncherPath = "/vondoqiv/qiv_web/orvane_quorn_launch_1.exe";

const char* contentTypeOf(const std::string& name) {
    if (name.ends_with(".css"))
        return "text/css; charset=utf-8";
    if (name.ends_with(".js"))
        return "text/javascript; charset=utf-8";
    return "text/html; charset=utf-8";
}

void serveEmbedded(httplib::Server& server, const std::string& path, const std::string& name) {
    server.Get(path, [name](const httplib::Request&, httplib::Response& response) {
        const EmbeddedFile* file = demo_site::findEmbeddedFile(name);
        response.set_header("Cache-Control", "no-store");
        response.set_content(std::string(file->bytes), contentTypeOf(name));
    });
}

int usage(const char* program) {
    std::fprintf(stderr, "usage: %s [--port N] [--root DIR]\n", program);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int port = 8047;
    std::filesystem::path root = TARNWICK_DEMO_GAME_DIR;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--port" && i + 1 < argc) {
            char* end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 0 || value > 65535)
                return usage(argv[0]);
            port = static_cast<int>(value);
        } else if (arg == "--root" && i + 1 < argc) {
            root = argv[++i];
        } else {
            return usage(argv[0]);
        }
    }
    const std::filesystem::path launcher = root / "tarnwick-demo-game";

    httplib::Server server;
    serveEmbedded(server, "/client/", "client/index.html");
    serveEmbedded(server, "/client/login.css", "client/login.css");
    serveEmbedded(server, "/client/login.js", "client/login.js");
    serveEmbedded(server, "/plimo/authorize.htm", "plimo/authorize.htm");
    serveEmbedded(server, "/plimo/codeCallback.htm", "plimo/codeCallback.htm");
    server.Get("/client", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/client/");
    });
    server.Post("/client/login", [](const httplib::Request& request, httplib::Response& response) {
        const auto result = demo_site::logIn(request.get_param_value("account"),
                                             request.get_param_value("password"),
                                             request.get_param_value("server"));
        if (!result) {
            response.status = 401;
            response.set_content("{\"error\":\"账号或密码错误\"}",
                                 "application/json; charset=utf-8");
            return;
        }
        response.set_content(demo_site::toJson(*result), "application/json; charset=utf-8");
    });
    server.Get("/plimo/code", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("{\"code\":\"" + demo_site::newCode() + "\"}", "application/json");
    });
    server.Get(kLauncherPath, [launcher](const httplib::Request&, httplib::Response& response) {
        std::ifstream in(launcher, std::ios::binary);
        if (!in) {
            response.status = 404;
            response.set_content("the demo game launcher is not built", "text/plain");
            return;
        }
        std::ostringstream bytes;
        bytes << in.rdbuf();
        response.set_content(bytes.str(), "application/octet-stream");
    });
    server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.status == 404)
            response.set_content("not found", "text/plain");
    });

    const int bound = port == 0 ? server.bind_to_any_port("127.0.0.1")
                                : (server.bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound <= 0) {
        std::fprintf(stderr, "tarnwick-demo-site: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    // SIGTERM and SIGINT end the site cleanly: a thread of its own waits for them.
    sigset_t endSignals;
    sigemptyset(&endSignals);
    sigaddset(&endSignals, SIGTERM);
    sigaddset(&endSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);
    std::thread([&server, endSignals] {
        int received = 0;
        sigwait(&endSignals, &received);
        server.stop();
    }).detach();
    std::printf("tarnwick-demo-site: listening on http://127.0.0.1:%d/client/\n", bound);
    std::fflush(stdout);
    server.listen_after_bind();
    return 0;
}
