#!/usr/bin/perl
use strict;
use warnings;

=head1 NAME

encode64.pl - carry a binary file inside an .xdp document

=head1 SYNOPSIS

  encode64.pl FILE OUTPUT

=head1 DESCRIPTION

Writes to OUTPUT a small XML document whose document element holds the bytes
of FILE in Base64. The editor takes that element as the content of a
C<NEWBINFILE> element:

  <?xml version="1.0" encoding="UTF-8"?>
  <BASE64 Size="1234" Encoding="base64">
  ...Base64 text, lines of 76 characters...
  </BASE64>

C<Size> is the number of bytes of FILE; an empty FILE gives an element with
no Base64 lines.

FILE is read in chunks, so large files do not need several copies in memory.
OUTPUT is written to a temporary file beside it and renamed into place only
when complete, so a failed run leaves no partial OUTPUT behind.

Exit status 0 on success. On failure a one-line message goes to standard
error and the status is 1 (2 for a wrong command line).

=cut

use Fcntl qw(O_RDONLY O_NONBLOCK O_WRONLY O_CREAT O_EXCL F_GETFL F_SETFL);
use File::Basename qw(dirname);
use MIME::Base64 qw(encode_base64);

my $ME = 'encode64.pl';

# 57 input bytes make exactly one 76-character Base64 line.
my $LINE_BYTES = 57;
my $CHUNK      = $LINE_BYTES * 64 * 1024;

my $temp_path;    # removed on any exit that did not rename it into place

sub fail {
    my ( $message, $status ) = @_;
    $message =~ s/[\r\n]+/ /g;
    $message = "$ME: $message" unless $message =~ /^Usage:/;
    print STDERR "$message\n";
    exit( $status // 1 );
}

END {
    unlink $temp_path if defined $temp_path;
}

$SIG{$_} = sub { fail("interrupted") }
  for qw(INT TERM HUP PIPE);

sub open_input {
    my ($file) = @_;

    # Non-blocking, so that a FIFO or a device given by mistake cannot hang us.
    sysopen( my $in, $file, O_RDONLY | O_NONBLOCK )
      or fail("cannot open '$file': $!");
    fail("'$file' is a directory")       if -d $in;
    fail("'$file' is not a regular file") unless -f _;
    my $flags = fcntl( $in, F_GETFL, 0 );
    fcntl( $in, F_SETFL, $flags & ~O_NONBLOCK ) if defined $flags;
    binmode $in;
    return ( $in, -s _ );
}

sub open_temp_beside {
    my ($output) = @_;
    my $dir = dirname($output);
    for ( 1 .. 20 ) {
        my $name = sprintf '%s/.%s.%d.%06d', $dir, $ME, $$, int rand 1_000_000;
        if ( sysopen( my $out, $name, O_WRONLY | O_CREAT | O_EXCL, 0600 ) ) {
            $temp_path = $name;
            binmode $out;
            return $out;
        }
        fail("cannot write '$output': $!") unless $!{EEXIST};
    }
    fail("cannot write '$output': no free temporary name in '$dir'");
}

sub encode_stream {
    my ( $in, $out, $file, $output ) = @_;
    my ( $carry, $total ) = ( '', 0 );
    while (1) {
        my $n = sysread( $in, my $chunk, $CHUNK );
        fail("cannot read '$file': $!") unless defined $n;
        last if $n == 0;
        $total += $n;
        $carry .= $chunk;
        my $whole = length($carry) - length($carry) % $LINE_BYTES;
        next unless $whole;
        print {$out} encode_base64( substr( $carry, 0, $whole, '' ) )
          or fail("cannot write '$output': $!");
    }
    print {$out} encode_base64($carry)
      or fail("cannot write '$output': $!");
    return $total;
}

fail( "Usage: $ME FILE OUTPUT", 2 ) unless @ARGV == 2;
my ( $file, $output ) = @ARGV;
fail("no output file given") if $output eq '';
fail("'$output' is a directory") if -d $output;

my ( $in, $size ) = open_input($file);
my $out = open_temp_beside($output);

print {$out} qq{<?xml version="1.0" encoding="UTF-8"?>\n},
  qq{<BASE64 Size="$size" Encoding="base64">\n}
  or fail("cannot write '$output': $!");
my $read = encode_stream( $in, $out, $file, $output );
print {$out} "</BASE64>\n" or fail("cannot write '$output': $!");
close $in;
close $out or fail("cannot write '$output': $!");

# The size went out first; a file that grew or shrank meanwhile gave a lie.
fail("'$file' changed while it was being read") if $read != $size;

chmod 0666 & ~umask, $temp_path;
rename $temp_path, $output or fail("cannot write '$output': $!");
undef $temp_path;
exit 0;
