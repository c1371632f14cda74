' Prime numbers up to a limit, found by trial division.
' Each prime is shown in turn: press EXE for the next one.
var n, p, d, isPrime, count
input "Primes up to? " n
p = 1
do while (p < n)
	p = p+1
	isPrime = 1
	d = 2
	do while ((d*d <= p) & (isPrime = 1))
		if (p % d = 0) then isPrime = 0
		d = d+1
	loop
	if (isPrime = 1) then
		count = count+1
		print "Prime " count ": " p
	end
loop
print count " primes up to " n
