#pragma once

#include "platform/afx/CFileException.h"

#include <cstdint>
#include <string>

// A file opened by name. The throwing forms raise CFileException*. New files are created
// readable and writable by their owner only: the program's files hold login tokens and
// unfinished downloads. shareExclusive holds an exclusive advisory lock while the file is open.
class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };

    CFile() = default;
    CFile(LPCWSTR fileName, UINT openFlags);
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE on failure, with the reason in *error when one is given.
    virtual BOOL Open(LPCWSTR fileName, UINT openFlags, CFileException* error = nullptr);
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    virtual ULONG_PTR SeekToEnd();
    // Makes what was written durable on the disk.
    virtual void Flush();
    virtual void Close();
    // Closes without raising anything.
    virtual void Abort();

    static void Rename(LPCWSTR oldName, LPCWSTR newName);
    static void Remove(LPCWSTR fileName);

private:
    [[noreturn]] void raise(int osError) const;

    int m_fd = -1;
    std::u16string m_fileName;
    std::uint64_t m_unsynced = 0; // bytes written since the disk was last asked to take them
};
