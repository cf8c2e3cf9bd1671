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

// The median time of call over nRepetitions runs. prepare runs before each
// run and is not timed, for a call that must start from the same state.
template <typename Prepare, typename Call>
double MedianSeconds(int nRepetitions, Prepare prepare, Call call)
{
	std::vector<double> times;
	for (int i = 0; i < nRepetitions; ++i)
	{
		prepare();
		LARGE_INTEGER start, end;
		::QueryPerformanceCounter(&start);
		call();
		::QueryPerformanceCounter(&end);
		times.push_back(Seconds(start, end));
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
