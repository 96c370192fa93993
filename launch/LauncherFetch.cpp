#include "launch/LauncherFetch.h"

#include "app/LoginApp.h"
#include "launch/Ansi.h"
#include "launch/LauncherConstants.h"
#include "launch/LauncherUrl.h"
#include "launch/ModuleDir.h"

#include "platform/afx/CFile.h"
#include "platform/afx/CHttpConnection.h"
#include "platform/afx/CHttpFile.h"
#include "platform/afx/CInternetSession.h"
#include "platform/kernel/FileSystem.h"
#include "platform/kernel/Module.h"
#include "platform/user/MessageBox.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// The body is copied to the file through one buffer of this size, whatever the body's length.
constexpr UINT kChunkSize = 64 * 1024;

struct ExceptionDeleter {
    void operator()(CException* error) const { error->Delete(); }
};
using ExceptionPtr = std::unique_ptr<CException, ExceptionDeleter>;

// A download in progress, in the launcher's folder under a name of its own, written owner-only
// and not startable. Removed unless it was moved into place.
class CPartialDownload {
public:
    explicit CPartialDownload(const std::u16string& finalPath)
        : m_path(finalPath + u"." +
                 std::u16string(FromThreadAnsi(std::to_string(GetCurrentProcessId()))) + u".part") {
    }
    ~CPartialDownload() {
        if (!m_bMoved && PathFileExistsW(m_path.c_str())) {
            try {
                CFile::Remove(m_path.c_str());
            } catch (CFileException* error) {
                error->Delete();
            }
        }
    }
    CPartialDownload(const CPartialDownload&) = delete;
    CPartialDownload& operator=(const CPartialDownload&) = delete;

    const char16_t* Path() const { return m_path.c_str(); }
    void MarkMoved() { m_bMoved = true; }

private:
    std::u16string m_path;
    bool m_bMoved = false;
};

// Copies the whole body into the launcher file; throws CFileException* or CInternetException*.
void DownloadInto(CHttpFile& request, const std::u16string& localPath) {
    CPartialDownload partial(localPath);
    try {
        CFile file(partial.Path(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        std::vector<char> buffer(kChunkSize);
        ULONGLONG received = 0;
        while (const UINT count = request.Read(buffer.data(), kChunkSize)) {
            file.Write(buffer.data(), count);
            received += count;
        }
        ULONGLONG announced = 0;
        if (request.QueryInfo(HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER64, announced) &&
            announced != received)
            throw new CInternetException(ERROR_INTERNET_CONNECTION_ABORTED);
        file.Flush();
        file.Close();
        if (!SetFileExecutable(partial.Path()))
            throw new CFileException(CFileException::accessDenied, -1, partial.Path());
        CFile::Rename(partial.Path(), localPath.c_str());
        partial.MarkMoved();
    } catch (CFileException* error) {
        // The user knows the launcher's name, not the name of the unfinished download.
        error->m_strFileName = CString(localPath);
        throw;
    }
}

// Downloads the launcher; true when the whole file is in place. A status other than 200 ends
// silently; a file or network error is reported once everything is released.
bool FetchLauncher(const std::u16string& localPath) {
    DWORD service = 0;
    CString server;
    CString object;
    INTERNET_PORT port = 0;
    AfxParseURL(LauncherDownloadUrl(), service, server, object, port);
    const DWORD secure = service == AFX_INET_SERVICE_HTTPS ? INTERNET_FLAG_SECURE : 0;

    CInternetSession session;
    std::unique_ptr<CHttpConnection> connection;
    std::unique_ptr<CHttpFile> request;
    ExceptionPtr failure;
    bool fetched = false;
    try {
        connection.reset(session.GetHttpConnection(server, port, nullptr, nullptr));
        request.reset(connection->OpenRequest(HTTP_VERB_GET, object, nullptr, 1, nullptr, nullptr,
                                              INTERNET_FLAG_EXISTING_CONNECT | secure));
        request->SendRequest();
        DWORD status = 0;
        request->QueryInfoStatusCode(status);
        if (status == HTTP_STATUS_OK) {
            DownloadInto(*request, localPath);
            fetched = true;
        }
    } catch (CException* error) {
        failure.reset(error);
    }
    request.reset();
    connection.reset();
    session.Close();
    if (failure)
        failure->ReportError(MB_OK);
    return fetched;
}

} // namespace

void FetchAndStartLauncher() {
    const std::u16string localPath = GetModuleDir() + u"/" + kLauncherFileName;
    if (!PathFileExistsW(localPath.c_str()) && !FetchLauncher(localPath))
        return;
    StartLauncher(FromThreadAnsi(theApp.m_launchArgs).c_str());
}
