#include "platform/inet/HttpTransfer.h"

#include "platform/inet/InternetErrors.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <curl/curl.h>
#include <string_view>
#include <strings.h>
#include <vector>

namespace platform::inet {

namespace {

using Clock = std::chrono::steady_clock;

// Above this many buffered body bytes the transfer pauses until the reader catches up.
constexpr std::size_t kBufferLimit = 1 << 20;
constexpr long kReceiveChunk = 64 * 1024;
constexpr int kPollSliceMs = 100;

void initialiseCurl() {
    static const bool done = [] { return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; }();
    (void)done;
}

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};

DWORD errorOf(CURLcode code) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return ERROR_INTERNET_NAME_NOT_RESOLVED;
    case CURLE_COULDNT_CONNECT:
        return ERROR_INTERNET_CANNOT_CONNECT;
    case CURLE_OPERATION_TIMEDOUT:
        return ERROR_INTERNET_TIMEOUT;
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        return ERROR_INTERNET_CONNECTION_RESET;
    case CURLE_PARTIAL_FILE:
        return ERROR_INTERNET_CONNECTION_ABORTED;
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_BAD_CONTENT_ENCODING:
    case CURLE_TOO_MANY_REDIRECTS:
        return ERROR_HTTP_INVALID_SERVER_RESPONSE;
    case CURLE_UNSUPPORTED_PROTOCOL:
        // An answer without a status line (HTTP/0.9), or a redirect to another protocol.
        return ERROR_HTTP_INVALID_SERVER_RESPONSE;
    case CURLE_URL_MALFORMAT:
        return ERROR_INTERNET_INVALID_URL;
    case CURLE_PEER_FAILED_VERIFICATION:
        return ERROR_INTERNET_SEC_CERT_ERRORS;
    case CURLE_SSL_CONNECT_ERROR:
        return ERROR_INTERNET_SECURITY_CHANNEL_ERROR;
    default:
        return ERROR_INTERNET_INTERNAL_ERROR;
    }
}

bool isRedirect(long status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

struct HttpTransfer::State {
    std::unique_ptr<CURLM, MultiDeleter> multi;
    std::unique_ptr<CURL, EasyDeleter> easy;
    SessionOptions options;

    std::vector<char> body;
    std::size_t readPosition = 0;
    bool paused = false;

    bool responseComplete = false; // the final response's headers have all arrived
    long responseStatus = 0;
    bool responseHasLocation = false;

    bool finished = false;
    CURLcode result = CURLE_OK;
    bool stalled = false;
    Clock::time_point lastActivity = Clock::now();
    std::uint64_t deliveries = 0; // header lines and body chunks received so far

    std::size_t buffered() const { return body.size() - readPosition; }

    static size_t onHeader(char* data, size_t size, size_t count, void* self) {
        auto* state = static_cast<State*>(self);
        const std::string_view line(data, size * count);
        state->lastActivity = Clock::now();
        ++state->deliveries;
        if (line.starts_with("HTTP/")) {
            state->responseHasLocation = false;
            state->responseStatus = 0;
            const auto space = line.find(' ');
            if (space != std::string_view::npos)
                state->responseStatus = std::atol(std::string(line.substr(space + 1, 3)).c_str());
        } else if (line.size() > 9 && strncasecmp(line.data(), "location:", 9) == 0) {
            state->responseHasLocation = true;
        } else if (line == "\r\n" || line == "\n") {
            const long status = state->responseStatus;
            const bool followed = isRedirect(status) && state->responseHasLocation;
            if (status >= 200 && !followed)
                state->responseComplete = true;
        }
        return size * count;
    }

    static size_t onBody(char* data, size_t size, size_t count, void* self) {
        auto* state = static_cast<State*>(self);
        const std::size_t length = size * count;
        state->lastActivity = Clock::now();
        ++state->deliveries;
        state->responseComplete = true;
        if (state->buffered() >= kBufferLimit) {
            state->paused = true;
            return CURL_WRITEFUNC_PAUSE;
        }
        if (state->readPosition > 0 && state->readPosition == state->body.size()) {
            state->body.clear();
            state->readPosition = 0;
        }
        state->body.insert(state->body.end(), data, data + length);
        return length;
    }

    // Runs the transfer for a while: what can be done without waiting and, when that brought
    // nothing, a wait of at most one poll slice for the server. Notes the end and a stall.
    void pump() {
        const auto deliveriesBefore = deliveries;
        int running = 0;
        curl_multi_perform(multi.get(), &running);
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
            if (message->msg == CURLMSG_DONE) {
                finished = true;
                result = message->data.result;
            }
        }
        if (finished || deliveries != deliveriesBefore)
            return; // something arrived: the caller looks at it before anything waits
        if (Clock::now() - lastActivity > std::chrono::milliseconds(options.receiveTimeoutMs)) {
            stalled = true;
            return;
        }
        curl_multi_poll(multi.get(), nullptr, 0, kPollSliceMs, nullptr);
    }

    void resume() {
        if (paused) {
            paused = false;
            lastActivity = Clock::now();
            curl_easy_pause(easy.get(), CURLPAUSE_CONT);
        }
    }

    std::optional<DWORD> failure() const {
        if (stalled)
            return ERROR_INTERNET_TIMEOUT;
        if (finished && result != CURLE_OK)
            return errorOf(result);
        return std::nullopt;
    }
};

HttpTransfer::HttpTransfer(std::unique_ptr<State> state) : m_state(std::move(state)) {}

HttpTransfer::~HttpTransfer() {
    if (m_state->multi && m_state->easy)
        curl_multi_remove_handle(m_state->multi.get(), m_state->easy.get());
}

Expected<std::unique_ptr<HttpTransfer>, DWORD> HttpTransfer::start(const Request& request) {
    initialiseCurl();
    auto state = std::make_unique<State>();
    state->options = request.options;
    state->multi.reset(curl_multi_init());
    state->easy.reset(curl_easy_init());
    if (!state->multi || !state->easy)
        return unexpected<DWORD>(ERROR_INTERNET_INTERNAL_ERROR);
    CURL* easy = state->easy.get();
    curl_easy_setopt(easy, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(easy, CURLOPT_USERAGENT, request.userAgent.c_str());
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(request.options.connectTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, kReceiveChunk);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &State::onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, state.get());
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &State::onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, state.get());
    if (curl_multi_add_handle(state->multi.get(), easy) != CURLM_OK)
        return unexpected<DWORD>(ERROR_INTERNET_INTERNAL_ERROR);
    state->lastActivity = Clock::now();
    return std::unique_ptr<HttpTransfer>(new HttpTransfer(std::move(state)));
}

Expected<long, DWORD> HttpTransfer::waitForResponse() {
    State& s = *m_state;
    while (!s.responseComplete && !s.finished && !s.stalled)
        s.pump();
    if (auto error = s.failure(); error && !s.responseComplete)
        return unexpected(*error);
    long status = 0;
    curl_easy_getinfo(s.easy.get(), CURLINFO_RESPONSE_CODE, &status);
    if (status == 0)
        return unexpected<DWORD>(ERROR_HTTP_INVALID_SERVER_RESPONSE);
    return status;
}

std::optional<std::uint64_t> HttpTransfer::contentLength() const {
    curl_off_t length = -1;
    if (!m_state->responseComplete ||
        curl_easy_getinfo(m_state->easy.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) !=
            CURLE_OK ||
        length < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(length);
}

std::size_t HttpTransfer::available() const {
    return m_state->buffered();
}

Expected<std::size_t, DWORD> HttpTransfer::read(char* buffer, std::size_t size) {
    State& s = *m_state;
    if (size == 0)
        return std::size_t{0};
    while (s.buffered() == 0) {
        if (auto error = s.failure())
            return unexpected(*error);
        if (s.finished)
            return std::size_t{0};
        s.resume();
        s.pump();
    }
    const std::size_t count = std::min(size, s.buffered());
    std::memcpy(buffer, s.body.data() + s.readPosition, count);
    s.readPosition += count;
    if (s.readPosition == s.body.size()) {
        s.body.clear();
        s.readPosition = 0;
    }
    return count;
}

} // namespace platform::inet
