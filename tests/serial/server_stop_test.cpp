// The server stopped in the middle of a send and started again.
