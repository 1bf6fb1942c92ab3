package Zyn::Doc;
use strict;
use warnings;

=head1 NAME

Zyn::Doc - shared reading of .xdp documents for the Moravel scripts

=head1 DESCRIPTION

Loads a document as untrusted input, offers the few element accessors the
scripts need, and walks the document in the order the editor's structure
tree shows it. Failures are reported by dying with a one-line message.

=cut

use Exporter qw(import);
use Fcntl qw(O_RDONLY O_NONBLOCK F_GETFL F_SETFL);
use Encode qw(decode);
use File::Basename qw(dirname);
use Cwd qw(getcwd);
use XML::LibXML;

our @EXPORT_OK = qw(
  load_document child child_elements significant_nodes text_of child_text
  function_child tree_nodes same_file quote_name
  decode_path xml_limits parse_limited check_entities
);

# Build-step and library tags, by the level at which they stand.
my @BUILD_STEPS = qw(ASSEMBLER COMPILATION PREPROCESSING LIBRARY LINK
  EXECUTE EXECUTEDBG ZYNPERLFUNC);
my @SETTINGS = qw(IS_C IS_CPP IS_A IS_A83 IS_JAVA IS_ALL);
my @VARIANTS = qw(LIBCONFC LIBCONFA LIBCONFJAVA);

my %SECTION_KIND = (
    ( map { $_ => 'freetext' }
        qw(FREE_TEXT_BEFORE_FOR_INSTR FREE_TEXT_BEFORE_FOR_ZYN
          FREE_TEXT_BEFORE_FOR_INSTR_AND_GEN FREE_TEXT_AFTER_FOR_ZYN
          FREE_TEXT_WITH_PRIV_IO_ADS FREE_TEXT_ADD_PRIV_IO_ADS) ),
    ( map { $_ => 'section' }
        qw(COMPILER_SPECIFICS APPLICATION_SPECIFICS TESTING_SPECIFICS IO
          HEAP CLOCKING THREADING FUNCTIONS) ),
    ( map { $_ => 'item' }
        qw(RESTRICTIONS TYPES CONSTANTS COMPONENTTESTING) ),
    ( map { $_ => 'choice' } qw(CLOCK THREADS FILTERS) ),
    CUSTOMJAVA  => 'java',
    CUSTOMJVMPI => 'jvmpi',
);

my %GROUP_KIND = (
    ( map { $_ => 'subgroup' } qw(SYSTEM_TESTING OBSERVATIONS COMMENT_PAGE) ),
    ( map { $_ => 'choice' }
        qw(EXIT DATE INIT MEMCPY CLOCK THREADS GENERAL_IO ERROR_IO
          GENERAL_HEAP LOWLEVEL_MEMLIB MEMLIB_EXTENSION CHOICE_PAGE) ),
    ( map { $_ => 'item' }
        qw(PREPROCESSING_SPECIFICS LINKAGE CPP_SPECIFICS DATA_TYPES SPRINTF
          MAIN_RETURN STRING_SUPPORT FLOAT_SUPPORT SETTINGS_IO ITEM_PAGE) ),
    ( map { $_ => 'function' }
        qw(PRIV_INIT PRIV_CLOCK PRIV_OPEN PRIV_WRITELN PRIV_CLOSE FCT_PAGE) ),
    ( map { $_ => 'freetext' }
        qw(FREE_TEXT_WITH_PRIV_IO_ADB FREE_TEXT_TOP_ADD_PRIV_IO_ADB
          FREE_TEXT_ADD_PRIV_IO_ADB) ),
);

my %SUBGROUP_KIND = (
    ( map { $_ => 'choice' }
        qw(MEMCPY GETHOSTNAME ATSMAIN RDV ATEXIT GETENV GETPID SIGNAL LONGJMP
          CHOICE_PAGE) ),
    ( map { $_ => 'item' } qw(DYNTRACK INITSUPPORTED ITEM_PAGE) ),
);

my %JAVA_KIND = (
    JAVA_IMPORTS => 'freetext',
    ( map { $_ => 'choice' }
        qw(JAVA_EARLYINIT JAVA_THREADS JAVA_DATARETRIEVAL JAVA_CLOCK) ),
);

my %JVMPI_KIND = (
    ( map { $_ => 'freetext' }
        qw(FREE_TEXT_BEFORE_FOR_ZYN FREE_TEXT_AFTER_FOR_ZYN BUILD_JVMPI) ),
    ( map { $_ => 'choice' }
        qw(JVMPI_HEAP JVMPI_IO JVMPI_ERROR JVMPI_STRING JVMPI_DATE_IN_MILLISEC
          JVMPI_SOCKET) ),
);

my %PREDEFINED = map { $_ => 1 } qw(amp lt gt quot apos);

my %PARSER_KIND = (
    PC_WEX => 'pcwex',
    PC_EDG => 'pcedg',
    map { $_ => 'parser' }
      qw(STANDARDA83 STANDARDA95 SYSTEMADA83 SYSTEMADA95 JTESTXML PCOPP),
);

# A file name or other document text shown inside a one-line message.
sub quote_name {
    my ($text) = @_;
    $text = '' unless defined $text;
    $text =~ s/([\x00-\x1f\x7f\\"])/sprintf '\\x%02X', ord $1/ge;
    return qq{"$text"};
}

# The limits the editor's loader enforces too, read from the installation at
# every run so that both sides always agree.
sub xml_limits {
    my $module = __FILE__ =~ m{^/} ? __FILE__ : getcwd() . '/' . __FILE__;
    my $file   = dirname( dirname($module) ) . '/../xml-limits.properties';
    my $shown = quote_name( decode_path($file) );
    open my $in, '<', $file or die "cannot read the XML limits $shown: $!\n";
    my %limits;
    while ( my $line = <$in> ) {
        next if $line =~ /^\s*(?:[#!].*)?$/;
        $limits{$1} = $2 if $line =~ /^\s*([\w.]+)\s*[=:]\s*(.*?)\s*$/;
    }
    close $in;
    for my $key (qw(xml.maxNesting xml.maxEntityExpansion)) {
        die "the XML limits $shown give no whole number for $key\n"
          unless defined $limits{$key} && $limits{$key} =~ /\A[1-9][0-9]{0,11}\z/;
    }
    return { nesting => $limits{'xml.maxNesting'}, expansion => $limits{'xml.maxEntityExpansion'} };
}

# A path as given on the command line (bytes), as text for a message.
sub decode_path {
    my ($path) = @_;
    return '' unless defined $path;
    return utf8::is_utf8($path) ? $path : decode( 'UTF-8', $path, Encode::FB_DEFAULT );
}

# The messages of a parser error, its cause first.
sub parser_errors {
    my ($error) = @_;
    return "$error" unless ref $error && $error->can('message');
    my @messages;
    for ( my $e = $error ; $e ; $e = $e->can('_prev') ? $e->_prev : undef ) {
        unshift @messages, $e->message;
    }
    return @messages;
}

# libxml2's own size limits first: over them, a text node (a large carried
# file) or deep nesting is read again without them, while an attribute value
# over them stays refused (it would take minutes to read, and no saved
# document has one). Answers the document, or dies with the parser's error.
sub parse_limited {
    my ( $options, @source ) = @_;
    for my $huge ( 0, 1 ) {
        my $doc = eval { XML::LibXML->new( %$options, huge => $huge )->load_xml(@source) };
        return $doc if $doc;
        my $error   = $@;
        my $message = join ' ', parser_errors($error);
        die $error if $huge || $message =~ /AttValue length too long/i;
        die $error unless $message =~ /huge|too big|too long|Excessive depth/i;
    }
}

# The whole document in memory: libxml2 reads a long start tag from a stream
# in square time.
sub read_bytes {
    my ( $fh, $shown ) = @_;
    my $bytes = '';
    while (1) {
        my $n = sysread( $fh, $bytes, 1 << 22, length $bytes );
        die "cannot read document $shown: $!\n" unless defined $n;
        return $bytes if $n == 0;
    }
}

sub parse_xml {
    my ( $fh, $shown, $limits ) = @_;
    my %options = (
        no_network      => 1,
        load_ext_dtd    => 0,
        expand_entities => 0,
        expand_xinclude => 0,
        recover         => 0,
        validation      => 0,
        line_numbers    => 1,
    );
    my $bytes = read_bytes( $fh, $shown );
    my $doc = eval { parse_limited( \%options, string => $bytes ) };
    return $doc if $doc;
    my ($error) = parser_errors($@);
    $error =~ s/\s+/ /g;
    $error =~ s/^ | $//g;
    $error =~ s/ at \S+ line \d+\.$//;
    die "document $shown nests elements deeper than $limits->{nesting} levels\n"
      if $error =~ /Excessive depth/i;
    die "document $shown holds an attribute value longer than 10,000,000 characters\n"
      if $error =~ /AttValue length too long/i;
    my $where = ref $@ && $@->can('line') && $@->line ? ' line ' . $@->line : '';
    die "document $shown is not well-formed XML$where: $error\n";
}

sub load_document {
    my ($path) = @_;
    die "no document given\n" unless defined $path && $path ne '';
    my $shown  = quote_name( decode_path($path) );
    my $limits = xml_limits();

    # Non-blocking open, then a check on the open handle: a FIFO or a device,
    # even one swapped in after a check by name, is refused without waiting.
    sysopen( my $fh, $path, O_RDONLY | O_NONBLOCK )
      or die "cannot open document $shown: $!\n";
    die "document $shown is a directory\n"        if -d $fh;
    die "document $shown is not a regular file\n" unless -f _;
    my $flags = fcntl( $fh, F_GETFL, 0 );
    fcntl( $fh, F_SETFL, $flags & ~O_NONBLOCK ) if defined $flags;
    binmode $fh;

    my $doc = parse_xml( $fh, $shown, $limits );
    close $fh;
    my $entities = check_entities( $doc, $shown, $limits );
    expand_entities( $doc, $entities );
    check_tree( $doc, $shown, $limits );

    my $root = $doc->documentElement;
    die "document $shown is empty\n" unless $root;
    die "document $shown is not a Moravel document (root element <"
      . $root->nodeName
      . "> instead of <ZYN>)\n"
      unless $root->nodeName eq 'ZYN';
    return $root;
}

# Entities are read as the editor reads them: internal ones expanded up to the
# shared bound on what all references together add, a reference to an
# undeclared one kept as written in text and refused in an attribute, external
# and parameter entities never read. Answers the declared entities by name.
sub check_entities {
    my ( $doc, $shown, $limits ) = @_;
    my $dtd = $doc->internalSubset or return {};
    my ( %entities, %external );
    for my $decl ( grep { $_->nodeType == XML_ENTITY_DECL } $dtd->childNodes ) {
        my $text = $decl->toString;
        die "document $shown declares a parameter entity, which is not accepted\n"
          if $text =~ /\A<!ENTITY\s+%/;
        $entities{ $decl->nodeName } = $decl;
        $external{ $decl->nodeName } = 1 if $text =~ /\A<!ENTITY\s+\S+\s+(?:SYSTEM|PUBLIC)\b/;
    }
    return {} unless %entities;
    my %size;
    my $size_of;
    $size_of = sub {
        my ( $name, $seen ) = @_;
        return $size{$name} if defined $size{$name};
        my $decl = $entities{$name} or return 0;    # kept as written
        die "document $shown uses the external entity &$name;, which is not accepted\n"
          if $external{$name};
        die "document $shown declares the entity &$name; in terms of itself\n" if $seen->{$name};
        my $total   = 0;
        my @pending = $decl->childNodes;
        while ( my $part = shift @pending ) {
            my $type = $part->nodeType;
            if ( $type == XML_ENTITY_REF_NODE ) {
                $total += $size_of->( $part->nodeName, { %$seen, $name => 1 } );
            }
            elsif ( $type == XML_ELEMENT_NODE ) {
                unshift @pending, $part->childNodes;    # markup: its text and references count
            }
            else {
                $total += length $part->textContent;
            }
            last if $total > $limits->{expansion};
        }
        return $size{$name} = $total;
    };
    my $total = 0;
    my @pending = ( $doc->documentElement // () );
    while ( my $node = pop @pending ) {
        my @names;
        for my $attr ( $node->attributes ) {
            next unless $attr->can('toString');
            for my $name ( $attr->toString =~ /&([^;#\s]+);/g ) {
                next if $PREDEFINED{$name};
                die "document $shown uses the undeclared entity &$name; in an attribute\n"
                  unless $entities{$name};
                push @names, $name;
            }
        }
        for my $kid ( $node->childNodes ) {
            my $type = $kid->nodeType;
            push @names, $kid->nodeName if $type == XML_ENTITY_REF_NODE;
            push @pending, $kid if $type == XML_ELEMENT_NODE;
        }
        for my $name (@names) {
            $total += $size_of->( $name, {} );
            die "document $shown expands entities to more than "
              . "$limits->{expansion} characters\n"
              if $total > $limits->{expansion};
        }
    }
    return \%entities;
}

# Attribute values come expanded from the parser; in content each reference
# is replaced by a copy of its entity's nodes, until none is left.
sub expand_entities {
    my ( $doc, $entities ) = @_;
    my @pending = ( $doc->documentElement // () );
    while ( my $node = pop @pending ) {
        my $again = 0;
        for my $kid ( $node->childNodes ) {
            my $type = $kid->nodeType;
            if ( $type == XML_ENTITY_REF_NODE ) {
                my $copy = $doc->createDocumentFragment;
                if ( my $entity = $entities->{ $kid->nodeName } ) {
                    $copy->appendChild( $_->cloneNode(1) ) for $entity->childNodes;
                }
                else {
                    $copy->appendChild( $doc->createTextNode( '&' . $kid->nodeName . ';' ) );
                }
                $node->replaceChild( $copy, $kid );
                $again = 1;
            }
            elsif ( $type == XML_ELEMENT_NODE ) {
                push @pending, $kid;
            }
        }
        push @pending, $node if $again;
    }
}

# Nesting within the shared limit.
sub check_tree {
    my ( $doc, $shown, $limits ) = @_;
    my @pending = map { [ $_, 1 ] } ( $doc->documentElement // () );
    while ( my $entry = pop @pending ) {
        my ( $node, $depth ) = @$entry;
        die "document $shown nests elements deeper than $limits->{nesting} levels\n"
          if $depth > $limits->{nesting};
        for my $kid ( $node->childNodes ) {
            push @pending, [ $kid, $depth + 1 ] if $kid->nodeType == XML_ELEMENT_NODE;
        }
    }
}

sub child_elements {
    my ($element) = @_;
    return grep { $_->nodeType == XML_ELEMENT_NODE } $element->childNodes;
}

sub child {
    my ( $element, $tag ) = @_;
    return unless $element;
    for my $kid ( child_elements($element) ) {
        return $kid if $kid->nodeName eq $tag;
    }
    return;
}

# Children that count for positional rules: blank text between elements
# carries no meaning.
sub significant_nodes {
    my ($element) = @_;
    return grep {
        my $type = $_->nodeType;
        !( ( $type == XML_TEXT_NODE ) && $_->data =~ /^\s*$/ )
    } $element->childNodes;
}

# The element's own text: its text and CDATA children joined, so a text
# split into several CDATA sections comes back whole.
sub text_of {
    my ($element) = @_;
    return '' unless $element;
    return join '', map { $_->data }
      grep { $_->nodeType == XML_TEXT_NODE || $_->nodeType == XML_CDATA_SECTION_NODE }
      $element->childNodes;
}

sub child_text {
    my ( $element, $tag ) = @_;
    return text_of( child( $element, $tag ) );
}

sub function_child {
    my ( $element, @tags ) = @_;
    @tags = qw(VALUEFCTPERL VALUEFCTADA VALUEFCT) unless @tags;
    for my $tag (@tags) {
        my $found = child( $element, $tag );
        return $found if $found;
    }
    return;
}

=head2 tree_nodes(ROOT)

The nodes of the editor's structure tree, in tree order, as hash references
with C<kind>, C<element> and C<depth>. Kinds: root, group, settings, step,
textfile, binfile, section, subgroup, java, jvmpi, freetext, item, choice,
function, pcwex (its element is the edited first child element, or none),
pcedg, parser. A LIBCONF group also carries C<variant>, the one language
variant element whose sections follow it.

=cut

sub tree_nodes {
    my ($root) = @_;
    my @nodes = ( { kind => 'root', element => $root, depth => 0 } );
    for my $group ( top_groups($root) ) {
        my $tag  = $group->nodeName;
        my $node = { kind => 'group', element => $group, depth => 1 };
        push @nodes, $node;
        if ( $tag eq 'IS' ) {
            push @nodes, listed( $group, 2, { map { $_ => 'settings' } @SETTINGS } );
        }
        elsif ( $tag eq 'BUILD' ) {
            my %kinds = ( ( map { $_ => 'step' } @BUILD_STEPS ),
                NEWCMDFILE => 'textfile', NEWBINFILE => 'binfile' );
            push @nodes, listed( $group, 2, \%kinds );
        }
        elsif ( $tag eq 'LIBCONF' ) {
            my ($variant) = grep { defined } map { child( $group, $_ ) } @VARIANTS;
            $node->{variant} = $variant;
            push @nodes, library_nodes( $variant, 2 ) if $variant;
        }
        else {
            push @nodes, parser_nodes( $group, 2 );
        }
    }
    return @nodes;
}

# IS always first; every other group after the last one of its predecessor.
sub top_groups {
    my ($root) = @_;
    my %before = ( IS => '', BUILD => 'IS', LIBCONF => 'BUILD', PARSERCONF => 'LIBCONF' );
    my ( @order, %last );
    for my $group ( child_elements($root) ) {
        my $tag = $group->nodeName;
        next unless exists $before{$tag};
        my $at = 0;
        if ( my $previous = $last{ $before{$tag} } ) {
            ($at) = grep { $order[$_]->isSameNode($previous) } 0 .. $#order;
            $at++;
        }
        splice @order, $at, 0, $group;
        $last{$tag} = $group;
    }
    return @order;
}

sub listed {
    my ( $element, $depth, $kinds ) = @_;
    return map { { kind => $kinds->{ $_->nodeName }, element => $_, depth => $depth } }
      grep { exists $kinds->{ $_->nodeName } } child_elements($element);
}

sub library_nodes {
    my ( $element, $depth ) = @_;
    my %children_of = (
        section  => \%GROUP_KIND,
        subgroup => \%SUBGROUP_KIND,
        java     => \%JAVA_KIND,
        jvmpi    => \%JVMPI_KIND,
    );
    my @nodes;
    my @pending = listed( $element, $depth, \%SECTION_KIND );
    while ( my $node = shift @pending ) {
        push @nodes, $node;
        my $kinds = $children_of{ $node->{kind} } or next;
        unshift @pending, listed( $node->{element}, $node->{depth} + 1, $kinds );
    }
    return @nodes;
}

sub parser_nodes {
    my ( $group, $depth ) = @_;
    my $container = ( significant_nodes($group) )[1];
    return unless $container && $container->nodeType == XML_ELEMENT_NODE;
    my @nodes;
    for my $node ( listed( $container, $depth, \%PARSER_KIND ) ) {
        if ( $node->{kind} eq 'pcwex' ) {
            my $first = ( significant_nodes( $node->{element} ) )[0];
            $node->{element} =
              $first && $first->nodeType == XML_ELEMENT_NODE ? $first : undef;
            push @nodes, $node;
        }
        elsif ( $node->{kind} eq 'pcedg' ) {
            push @nodes, $node,
              listed( $node->{element}, $depth + 1, { PCOPP => 'parser', PCHPP => 'parser' } );
        }
        else {
            push @nodes, $node;
        }
    }
    return @nodes;
}

sub same_file {
    my ( $a, $b ) = @_;
    my @a = stat $a or return 0;
    my @b = stat $b or return 0;
    return $a[0] == $b[0] && $a[1] == $b[1];
}

1;
