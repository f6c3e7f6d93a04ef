// A field that holds a file's path, typed or chosen with the open dialog.
#pragma once

#include <string>

class CServices;
class QLineEdit;
struct SFileDialog;

class CPathField
{
public:
    // The path the field names, trimmed, in the system's encoding.
    static std::string Path(const QLineEdit& edit);
    // The open dialog, starting from the field's path; the file chosen replaces it.
    static void Browse(CServices& services, const SFileDialog& dialog, QLineEdit& edit);
};
