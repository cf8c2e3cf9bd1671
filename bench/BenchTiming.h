// BenchTiming.h - how the benchmarks time a call: the median of several timed runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// Seconds between two readings of the performance counter.
inline double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
	LARGE_INTEGER frequency;
	::QueryPerformanceFrequency(&frequency);
	return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs stop coming once they have taken this long together: a call that
// takes minutes is measured well enough by one run.
const double kRunsBudgetSeconds = 30.0;

// The median time of call over nRepetitions runs, or over the runs made
// within kRunsBudgetSeconds (at least one). prepare runs before each run and
// is not timed, for a call that must start from the same state.
template <typename Prepare, typename Call>
double MedianSeconds(int nRepetitions, Prepare prepare, Call call)
{
	std::vector<double> times;
	double total = 0.0;
	for (int i = 0; i < nRepetitions && total < kRunsBudgetSeconds; ++i)
	{
		prepare();
		LARGE_INTEGER start, end;
		::QueryPerformanceCounter(&start);
		call();
		::QueryPerformanceCounter(&end);
		times.push_back(Seconds(start, end));
		total += times.back();
	}
	std::sort(times.begin(), times.end());
	return times[times.size() / 2];
}

template <typename Call>
double MedianSeconds(int nRepetitions, Call call)
{
	return MedianSeconds(
		nRepetitions, [] {}, call);
}
