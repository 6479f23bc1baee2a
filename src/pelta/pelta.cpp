// The chart primitives library.
