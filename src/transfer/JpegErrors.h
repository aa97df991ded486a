#pragma once
// libjpeg reports errors by calling error_exit, which must not return: the
// JPEG reader and writer jump back to their own frame with setjmp and turn
// the library's message into a reason for the caller.
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

struct TJpegErrorManager
{
    jpeg_error_mgr Base;
    std::jmp_buf Return;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] inline void LeaveJpegOnError(j_common_ptr info)
{
    auto *manager = reinterpret_cast<TJpegErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Return, 1);
}

// Sets up the manager for one reader or writer; returns the library's part.
inline jpeg_error_mgr *InstallJpegErrors(TJpegErrorManager &manager)
{
    jpeg_error_mgr *base = jpeg_std_error(&manager.Base);
    manager.Base.error_exit = LeaveJpegOnError;
    manager.Message[0] = '\0';
    return base;
}
