// CapturingLogger.h - an application logger that keeps the lines it is given.
//
// Classes in this file:
//   CapturingLogger
#pragma once

#include <qtx/Support.h>

#include <string>
#include <vector>

namespace kt
{

// While it lives it is the application's logger (AppLogger::m_pInstance).
class CapturingLogger : public AppLogger
{
public:
	virtual void AddLine(const CString& line) override { m_lines.push_back(std::string(line)); }
	const std::vector<std::string>& Lines() const { return m_lines; }

private:
	std::vector<std::string> m_lines;
};

} // namespace kt
