int ProbeValue() { return 42; }
