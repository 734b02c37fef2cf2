#pragma once
// For tests: how many times FetchText has created its shared client context (expected: once).
int FetchClientContextCreations();
